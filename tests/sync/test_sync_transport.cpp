// What goes over the wire against a real CalDAV server: resource names
// that need percent-encoding, an event too large to take, and many
// uploads at once.
#include "CRadicaleServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray event(const QByteArray &uid, const QByteArray &summary, const QByteArray &more = {})
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid
        + "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20271215T080000Z\r\nSUMMARY:" + summary + "\r\n" + more
        + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

class Transport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty())
            GTEST_SKIP() << "radicale is not installed (tools/deps.sh)";
        m_server = std::make_unique<CRadicaleServer>();
        ASSERT_TRUE(m_server->Running()) << m_server->Log().toStdString();
        m_collection = m_server->Root() + QString::fromLatin1(CRadicaleServer::kUser) + QStringLiteral("/phone/");
        ASSERT_EQ(curl({ QStringLiteral("-X"), QStringLiteral("MKCALENDAR"), m_collection }), 201);
    }

    // Another client's request; the HTTP status.
    int curl(QStringList args, const QByteArray &body = {})
    {
        QProcess p;
        args = QStringList { QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-w"),
                             QStringLiteral("%{http_code}"), QStringLiteral("-u"),
                             QString::fromLatin1(CRadicaleServer::kUser) + QLatin1Char(':')
                                 + QString::fromLatin1(CRadicaleServer::kPassword) }
            + args;
        if (!body.isEmpty())
            args << QStringLiteral("-H") << QStringLiteral("Content-Type: text/calendar") << QStringLiteral("--data-binary")
                 << QStringLiteral("@-");
        p.start(QStringLiteral("curl"), args);
        p.write(body);
        p.closeWriteChannel();
        p.waitForFinished(120000);
        return p.readAllStandardOutput().toInt();
    }
    // encodedName as it goes into the address.
    void Put(const QString &encodedName, const QByteArray &ics)
    {
        ASSERT_EQ(curl({ QStringLiteral("-X"), QStringLiteral("PUT"), m_collection + encodedName }, ics), 201);
    }

    QJsonObject Sync()
    {
        QProcess p;
        p.start(QStringLiteral(KM_CLI_PATH),
                { QStringLiteral("sync"), m_home.filePath(QStringLiteral("Kestrelmark.km2")), QStringLiteral("--url"),
                  m_collection, QStringLiteral("--user"), QString::fromLatin1(CRadicaleServer::kUser),
                  QStringLiteral("--password-file"), m_server->PasswordFile() });
        p.waitForFinished(300000);
        const QByteArray out = p.readAllStandardOutput();
        QJsonObject json = QJsonDocument::fromJson(out).object();
        json.insert(QStringLiteral("exitCode"), p.exitCode());
        return json;
    }
    QStringList Messages()
    {
        QProcess p;
        p.start(QStringLiteral(KM_CLI_PATH), { QStringLiteral("dump"), m_home.filePath(QStringLiteral("Kestrelmark.km2")) });
        p.waitForFinished(60000);
        QStringList out;
        for (const QJsonValue &v : QJsonDocument::fromJson(p.readAllStandardOutput()).object().value(QStringLiteral("reminders")).toArray())
            out << v.toObject().value(QStringLiteral("message")).toString();
        out.sort();
        return out;
    }

    std::unique_ptr<CRadicaleServer> m_server;
    QString m_collection;
    QTemporaryDir m_home;
};

std::string text(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(); }

TEST_F(Transport, NamesThatNeedEncodingAreFetched)
{
    Put(QStringLiteral("a%3Bb.ics"), event("semicolon", "Semicolon"));
    Put(QStringLiteral("c%20d%25e%23f.ics"), event("spaces", "Space percent hash"));
    Put(QStringLiteral("%C3%A9t%C3%A9%3F.ics"), event("summer", "Summer"));
    const QJsonObject r = Sync();
    ASSERT_EQ(r.value(QStringLiteral("exitCode")).toInt(), 0) << text(r);
    EXPECT_EQ(r[QStringLiteral("received")].toObject()[QStringLiteral("added")].toInt(), 3) << text(r);
    EXPECT_TRUE(r[QStringLiteral("skipped")].toArray().isEmpty()) << text(r);
    EXPECT_EQ(Messages(), (QStringList { QStringLiteral("Semicolon"), QStringLiteral("Space percent hash"),
                                        QStringLiteral("Summer") }));
}

TEST_F(Transport, AnEventTooLargeToTakeIsSkippedAndTheRestSyncs)
{
    QByteArray description = "DESCRIPTION:";
    while (description.size() < 12 * 1024 * 1024)
        description += "A long note about the meeting and what to bring ";
    Put(QStringLiteral("big.ics"), event("big", "Big", description + "\r\n"));
    Put(QStringLiteral("small.ics"), event("small", "Small"));
    const QJsonObject r = Sync();
    ASSERT_EQ(r.value(QStringLiteral("exitCode")).toInt(), 0) << text(r).substr(0, 2000);
    EXPECT_EQ(Messages(), QStringList { QStringLiteral("Small") });
    const QJsonArray skipped = r[QStringLiteral("skipped")].toArray();
    ASSERT_EQ(skipped.size(), 1) << text(r);
    EXPECT_TRUE(skipped[0].toString().contains(QLatin1String("big.ics"))) << text(r);
    EXPECT_TRUE(skipped[0].toString().contains(QLatin1String("too large"))) << text(r);
}

} // namespace
