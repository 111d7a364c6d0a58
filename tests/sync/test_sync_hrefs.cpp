// A listing that names resources outside the calendar: they are reported
// and left alone, whatever later happens here, and so are such names kept
// in the state of an earlier run.
#include "sync/CSyncEngine.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A calendar at /cal/ on 127.0.0.1 that keeps every request it was sent,
// head and body, and lists what listing says.
class CListingServer : public QObject
{
public:
    explicit CListingServer(QByteArray listing) : m_listing(std::move(listing))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [this, s] { serve(s); });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/cal/").arg(m_server.serverPort())); }
    QByteArrayList m_requests;

private:
    void serve(QTcpSocket *s)
    {
        QByteArray &in = m_pending[s];
        in += s->readAll();
        for (;;) {
            const qsizetype end = in.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            qsizetype length = 0;
            for (const QByteArray &line : in.left(end).split('\n'))
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toLongLong();
            if (in.size() < end + 4 + length)
                return;
            const QByteArray request = in.left(end + 4 + length);
            in.remove(0, request.size());
            m_requests << request;
            s->write(answer(request));
        }
    }
    QByteArray answer(const QByteArray &request) const
    {
        QByteArray status = "207 Multi-Status", body;
        if (request.startsWith("PROPFIND"))
            body = "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:response>"
                   "<d:href>/cal/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/><c:calendar/>"
                   "</d:resourcetype></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
                   "</d:multistatus>";
        else if (request.contains("sync-collection"))
            body = m_listing;
        else if (request.contains("calendar-multiget"))
            body = "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">" + event("/cal/own.ics", "Own")
                + event("/other/victim.ics", "Victim") + "</d:multistatus>";
        else
            status = request.startsWith("PUT") ? "201 Created" : "204 No Content";
        return "HTTP/1.1 " + status + "\r\nETag: \"9\"\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\n\r\n" + body;
    }
    static QByteArray event(const QByteArray &href, const QByteArray &summary)
    {
        return "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop><d:getetag>\"1\"</d:getetag>"
            "<c:calendar-data>BEGIN:VCALENDAR&#13;\nVERSION:2.0&#13;\nPRODID:x&#13;\nBEGIN:VEVENT&#13;\nUID:" + summary
            + "&#13;\nDTSTART:20270101T090000&#13;\nSUMMARY:" + summary
            + "&#13;\nEND:VEVENT&#13;\nEND:VCALENDAR&#13;\n</c:calendar-data></d:prop>"
              "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
    }

    QTcpServer m_server;
    QByteArray m_listing;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

QByteArray listingOf(const QByteArrayList &hrefs)
{
    QByteArray body = "<d:multistatus xmlns:d=\"DAV:\">";
    for (const QByteArray &href : hrefs)
        body += "<d:response><d:href>" + href + "</d:href><d:propstat><d:prop><d:getetag>\"1\"</d:getetag></d:prop>"
            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
    return body + "<d:sync-token>t1</d:sync-token></d:multistatus>";
}

CSyncEngine::Outcome syncOnce(const QUrl &url, const std::vector<CReminder> &local, const CSyncState &state)
{
    CSyncEngine engine;
    CSyncEngine::Outcome out;
    QEventLoop loop;
    QObject::connect(&engine, &CSyncEngine::finished, &loop, [&](const CSyncEngine::Outcome &o) {
        out = o;
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    engine.start(url, QStringLiteral("u"), QStringLiteral("p"), local, state);
    if (engine.running())
        loop.exec();
    return out;
}

QStringList localMessages(const std::vector<CReminder> &list)
{
    QStringList out;
    for (const CReminder &r : list)
        out << r.m_Message;
    return out;
}

// Any request, in its address or its body, that names a resource outside /cal/.
QStringList outsideRequests(const QByteArrayList &requests)
{
    QStringList out;
    for (const QByteArray &r : requests)
        if (r.contains("/other/") || r.contains("elsewhere") || r.contains("far.ics") || r.contains("sly")
            || r.contains(".."))
            out << QString::fromLatin1(r.left(r.indexOf('\r')));
    return out;
}

TEST(SyncHrefs, ListedOutsideTheCollectionIsReportedAndNeverTouched)
{
    CListingServer server(listingOf({ "/cal/own.ics", "/cal/../other/victim.ics", "http://elsewhere.invalid/cal/far.ics",
                                   "/cal/..%2Fother%2Fsly.ics" }));
    const CSyncEngine::Outcome first = syncOnce(server.url(), {}, CSyncState());
    ASSERT_EQ(first.m_Status, CSyncEngine::Outcome::Done) << first.m_Error.toStdString();
    EXPECT_EQ(localMessages(first.m_Local), QStringList { QStringLiteral("Own") });
    const QJsonArray ignored = first.ToJson().value(QStringLiteral("ignored")).toArray();
    EXPECT_EQ(ignored.size(), 3) << QJsonDocument(first.ToJson()).toJson().toStdString();
    EXPECT_TRUE(ignored.contains(QStringLiteral("/cal/../other/victim.ics")));

    // Everything deleted here: only what is the calendar's goes there.
    const CSyncEngine::Outcome second = syncOnce(server.url(), {}, first.m_State);
    EXPECT_EQ(second.m_Status, CSyncEngine::Outcome::Done) << second.m_Error.toStdString();
    EXPECT_EQ(second.m_Sent.m_Deleted, 1);
    EXPECT_EQ(outsideRequests(server.m_requests), QStringList());
}

TEST(SyncHrefs, AStateEntryOutsideTheCollectionIsNeverDeletedOrPut)
{
    CListingServer server(listingOf({}));
    CReminder victim;
    victim.m_Message = QStringLiteral("Victim");
    victim.m_DateTime = COleDateTime(2027, 1, 1, 9, 0, 0);
    CSyncState state;
    state.m_Account = server.url().toString();
    state.m_Collection = QStringLiteral("/cal/");
    state.m_SyncToken = QStringLiteral("t0");
    state.m_Entries.push_back({ QStringLiteral("victim"), QStringLiteral("/other/victim.ics"), "\"1\"", { victim }, {}, false });

    const CSyncEngine::Outcome gone = syncOnce(server.url(), {}, state);
    EXPECT_EQ(gone.m_Status, CSyncEngine::Outcome::Done) << gone.m_Error.toStdString();
    EXPECT_TRUE(gone.m_State.m_Entries.empty());
    // Still here: it goes up into the calendar as any reminder new here.
    const CSyncEngine::Outcome kept = syncOnce(server.url(), { victim }, state);
    EXPECT_EQ(kept.m_Status, CSyncEngine::Outcome::Done) << kept.m_Error.toStdString();
    EXPECT_EQ(kept.m_Sent.m_Added, 1);
    EXPECT_EQ(kept.ToJson().value(QStringLiteral("ignored")).toArray(), QJsonArray { QStringLiteral("/other/victim.ics") });
    EXPECT_EQ(outsideRequests(server.m_requests), QStringList());
}

} // namespace
