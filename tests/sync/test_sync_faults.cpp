// The sync against servers that misbehave: replies too large, no answer,
// a refused password, a body that is not what it claims; the local list
// must come back whole every time.
#include "sync/CCalDavClient.h"
#include "sync/CDavMultiStatus.h"
#include "sync/CSyncEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QSemaphore>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Answers every request on 127.0.0.1 with what reply gives for its first line.
class CHostileServer : public QObject
{
public:
    explicit CHostileServer(std::function<QByteArray(const QByteArray &requestLine)> reply)
        : m_reply(std::move(reply))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    m_buffer[s] += s->readAll();
                    const qsizetype end = m_buffer[s].indexOf("\r\n\r\n");
                    if (end < 0)
                        return;
                    const QByteArray line = m_buffer[s].left(m_buffer[s].indexOf("\r\n"));
                    m_heads << m_buffer[s].left(end + 2).toLower();
                    m_buffer.remove(s);
                    ++m_requests;
                    const QByteArray answer = m_reply(line);
                    if (!answer.isEmpty())
                        s->write(answer);
                });
            }
        });
    }
    QUrl url(const char *path = "/cal/") const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QString::fromLatin1(path)));
    }
    int m_requests = 0;
    QByteArrayList m_heads; // request line and headers, in lower case

private:
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffer;
    std::function<QByteArray(const QByteArray &)> m_reply;
};

// Answers one request with a body that has no Content-Length and does not
// end (chunked), from a thread of its own, so that it writes as fast as the
// client's side of the connection takes it; counts what it took.
class CEndlessServer : public QThread
{
public:
    static constexpr qint64 kChunk = qint64(1) << 20;
    static constexpr qint64 kTotal = qint64(1) << 30;

    CEndlessServer()
    {
        start();
        m_ready.acquire();
    }
    ~CEndlessServer() override
    {
        quit();
        wait();
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/cal/").arg(m_port)); }
    qint64 Sent() const { return m_sent.loadAcquire(); }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        qint64 queued = 0;
        const QByteArray chunk = QByteArray::number(kChunk, 16) + "\r\n" + QByteArray(kChunk, 'x') + "\r\n";
        auto feed = [&](QTcpSocket *s) {
            while (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() < kChunk && queued < kTotal) {
                s->write(chunk);
                queued += chunk.size();
            }
        };
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket *s = server.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, [&, s] {
                if (queued > 0 || !s->readAll().contains("\r\n\r\n"))
                    return;
                s->write("HTTP/1.1 207 X\r\nContent-Type: application/xml\r\nTransfer-Encoding: chunked\r\n\r\n");
                feed(s);
            });
            QObject::connect(s, &QTcpSocket::bytesWritten, [&, s](qint64 bytes) {
                m_sent.fetchAndAddRelease(bytes);
                feed(s);
            });
        });
        m_ready.release();
        exec();
    }

private:
    QSemaphore m_ready;
    QAtomicInteger<qint64> m_sent = 0;
    quint16 m_port = 0;
};

QByteArray http(int status, const QByteArray &body, const QByteArray &headers = {})
{
    return "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\n" + headers + "\r\n" + body;
}

CDavReply ask(CCalDavClient &client, const QUrl &url)
{
    CDavReply out;
    QEventLoop loop;
    client.propfind(url, 0, "<propfind xmlns=\"DAV:\"/>", [&](const CDavReply &r) {
        out = r;
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return out;
}

CSyncEngine::Outcome syncWith(const QUrl &url, const std::vector<CReminder> &local, int timeoutMs = 20000)
{
    CSyncEngine engine;
    engine.client().setTimeoutMs(timeoutMs);
    CSyncEngine::Outcome out;
    QEventLoop loop;
    QObject::connect(&engine, &CSyncEngine::finished, &loop, [&](const CSyncEngine::Outcome &o) {
        out = o;
        loop.quit();
    });
    CSyncState state;
    engine.start(url, QStringLiteral("u"), QStringLiteral("p"), local, state);
    if (engine.running())
        loop.exec();
    return out;
}

std::vector<CReminder> twoReminders()
{
    std::vector<CReminder> list(2);
    list[0].m_Message = QStringLiteral("One");
    list[0].m_DateTime = COleDateTime(2027, 1, 1, 9, 0, 0);
    list[1].m_Message = QStringLiteral("Two");
    list[1].m_DateTime = COleDateTime(2027, 1, 2, 9, 0, 0);
    return list;
}

TEST(SyncFaults, RepliesAreBoundedInSizeAndTime)
{
    const QByteArray huge(300 * 1024, 'x');
    CHostileServer big([&](const QByteArray &) { return http(207, huge); });
    CCalDavClient client;
    client.setMaxReplyBytes(64 * 1024);
    const CDavReply tooLarge = ask(client, big.url());
    EXPECT_EQ(tooLarge.m_Fault, CDavReply::TooLarge);
    EXPECT_FALSE(tooLarge.m_Error.isEmpty());

    // The same without Content-Length: cut off while it streams.
    CHostileServer streaming([&](const QByteArray &) { return "HTTP/1.1 207 X\r\nConnection: close\r\n\r\n" + huge; });
    EXPECT_EQ(ask(client, streaming.url()).m_Fault, CDavReply::TooLarge);

    CHostileServer silent([](const QByteArray &) { return QByteArray(); });
    client.setTimeoutMs(300);
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(ask(client, silent.url()).m_Fault, CDavReply::Timeout);
    EXPECT_LT(t.elapsed(), 10000);
}

TEST(SyncFaults, AReplyWithoutLengthIsCutOffAsItArrives)
{
    CEndlessServer endless;
    CCalDavClient client; // the limit of real use: the reading thread outruns the checks
    const CDavReply r = ask(client, endless.url());
    EXPECT_EQ(r.m_Fault, CDavReply::TooLarge);
    EXPECT_TRUE(r.m_Error.contains(QStringLiteral("larger than"))) << r.m_Error.toStdString();
    // The limit, what Qt reads ahead and the kernel's socket buffers.
    EXPECT_LT(endless.Sent(), CCalDavClient::kDefaultMaxReplyBytes + (qint64(24) << 20));
}

TEST(SyncFaults, ACompressedReplyIsReadWholeAndABrokenOneIsAFault)
{
    // A long event compresses to almost nothing, as servers send it.
    QByteArray text = "<D:multistatus xmlns:D=\"DAV:\"><D:response><D:href>/cal/big.ics</D:href></D:response>";
    text += QByteArray(12 << 20, ' ') + "</D:multistatus>";
    const QByteArray deflated = qCompress(text, 9).mid(4); // the zlib stream alone
    CHostileServer zipped([&](const QByteArray &) { return http(207, deflated, "Content-Encoding: deflate\r\n"); });
    CCalDavClient client;
    const CDavReply whole = ask(client, zipped.url());
    EXPECT_EQ(whole.m_Fault, CDavReply::None) << whole.m_Error.toStdString();
    EXPECT_EQ(whole.m_Body.size(), text.size());

    // A body that cannot be unpacked is no empty reply to go on with.
    CHostileServer garbled([](const QByteArray &) {
        return http(207, QByteArray(5000, '\x7f'), "Content-Encoding: deflate\r\n");
    });
    const CDavReply broken = ask(client, garbled.url());
    EXPECT_NE(broken.m_Fault, CDavReply::None);
    EXPECT_FALSE(broken.m_Error.isEmpty());
}

TEST(SyncFaults, RedirectsAreFollowedButNotInCircles)
{
    CHostileServer loop([](const QByteArray &line) {
        return line.contains("/a/") ? http(301, "", "Location: /b/\r\n") : http(301, "", "Location: /a/\r\n");
    });
    CCalDavClient client;
    const CDavReply r = ask(client, loop.url("/a/"));
    EXPECT_EQ(r.m_Fault, CDavReply::Redirect);
    EXPECT_LE(loop.m_requests, CCalDavClient::kMaxRedirects + 1);
}

TEST(SyncFaults, ARedirectToAnotherPortIsRefusedAndNeverGetsThePassword)
{
    CHostileServer elsewhere([](const QByteArray &) { return http(207, "<d:multistatus xmlns:d=\"DAV:\"/>"); });
    const QByteArray location = "Location: " + elsewhere.url().toEncoded() + "\r\n";
    CHostileServer entered([&](const QByteArray &) { return http(307, "", location); });
    const CSyncEngine::Outcome out = syncWith(entered.url(), twoReminders());
    EXPECT_EQ(out.m_Status, CSyncEngine::Outcome::Failed);
    const QString where = QStringLiteral("the server sent the request to 127.0.0.1:%1").arg(elsewhere.url().port());
    EXPECT_TRUE(out.m_Error.contains(where)) << out.m_Error.toStdString();
    for (const QByteArray &head : std::as_const(elsewhere.m_heads))
        EXPECT_FALSE(head.contains("\r\nauthorization:")) << head.constData();
    ASSERT_FALSE(entered.m_heads.isEmpty());
    EXPECT_TRUE(entered.m_heads.front().contains("\r\nauthorization: basic ")); // the origin entered gets them
    EXPECT_FALSE(out.LocalChanged());
}

TEST(SyncFaults, AFailedSyncKeepsTheListWhole)
{
    const std::vector<CReminder> local = twoReminders();
    struct Case
    {
        const char *name;
        QByteArray reply;
        CSyncEngine::Outcome::Status status;
    };
    const Case cases[] = {
        { "refused password", http(401, "", "WWW-Authenticate: Basic realm=\"x\"\r\n"), CSyncEngine::Outcome::AuthFailed },
        { "server error", http(500, "boom"), CSyncEngine::Outcome::Failed },
        { "not XML", http(207, "<<<not xml"), CSyncEngine::Outcome::Failed },
        { "no calendar", http(207, "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/cal/</d:href>"
                                   "<d:propstat><d:prop><d:resourcetype/></d:prop><d:status>HTTP/1.1 200 OK</d:status>"
                                   "</d:propstat></d:response></d:multistatus>"),
          CSyncEngine::Outcome::Failed },
    };
    for (const Case &c : cases) {
        CHostileServer server([&](const QByteArray &) { return c.reply; });
        const CSyncEngine::Outcome out = syncWith(server.url(), local);
        EXPECT_EQ(out.m_Status, c.status) << c.name;
        EXPECT_FALSE(out.m_Error.isEmpty()) << c.name;
        EXPECT_FALSE(out.LocalChanged()) << c.name;
        EXPECT_EQ(out.m_Local.size(), 2u) << c.name;
    }
    // Nobody listening at all.
    QUrl closed;
    {
        CHostileServer gone([](const QByteArray &) { return QByteArray(); });
        closed = gone.url();
    }
    const CSyncEngine::Outcome out = syncWith(closed, local);
    EXPECT_EQ(out.m_Status, CSyncEngine::Outcome::Failed);
    EXPECT_EQ(out.m_Local.size(), 2u);
}

TEST(SyncFaults, MultistatusHrefsAndStatusesAreReadAsMeant)
{
    const QByteArray body =
        "<?xml version=\"1.0\"?><D:multistatus xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
        "<D:response><D:href>http://host/cal/a%20b.ics</D:href><D:propstat><D:prop><D:getetag>\"1\"</D:getetag>"
        "<C:calendar-data>BEGIN:VCALENDAR&#13;\nEND:VCALENDAR</C:calendar-data></D:prop>"
        "<D:status>HTTP/1.1 200 OK</D:status></D:propstat>"
        "<D:propstat><D:prop><D:displayname/></D:prop><D:status>HTTP/1.1 404 Not Found</D:status></D:propstat></D:response>"
        "<D:response><D:href>gone.ics</D:href><D:status>HTTP/1.1 404 Not Found</D:status></D:response>"
        "<D:sync-token>http://host/token/7</D:sync-token></D:multistatus>";
    const CDavMultiStatus ms = CDavMultiStatus::Parse(body, QUrl(QStringLiteral("http://host/cal/")));
    ASSERT_TRUE(ms.m_Error.isEmpty()) << ms.m_Error.toStdString();
    ASSERT_EQ(ms.m_Responses.size(), 2u);
    EXPECT_EQ(ms.m_Responses[0].m_Href, QStringLiteral("/cal/a b.ics"));
    EXPECT_EQ(ms.m_Responses[0].m_ETag, QByteArray("\"1\""));
    EXPECT_TRUE(ms.m_Responses[0].m_CalendarData.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(ms.m_Responses[1].m_Href, QStringLiteral("/cal/gone.ics"));
    EXPECT_EQ(ms.m_Responses[1].m_Status, 404);
    EXPECT_EQ(ms.m_SyncToken, QStringLiteral("http://host/token/7"));

    // The calendar data as the server sent it: its CRLF line ends (which an
    // XML parser turns into LF), entities and CDATA read, after text that
    // is not ASCII.
    const QByteArray raw =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<multistatus xmlns=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
        "<response><href>/cal/caf\xC3\xA9.ics</href><propstat><prop><c:calendar-data>BEGIN:VCALENDAR\r\n"
        "SUMMARY:Caf\xC3\xA9 &amp; <![CDATA[<b>bar</b>]]>\r\nEND:VCALENDAR\r\n</c:calendar-data></prop>"
        "<status>HTTP/1.1 200 OK</status></propstat></response></multistatus>";
    const CDavMultiStatus exact = CDavMultiStatus::Parse(raw, QUrl(QStringLiteral("http://host/cal/")));
    ASSERT_EQ(exact.m_Responses.size(), 1u) << exact.m_Error.toStdString();
    EXPECT_EQ(exact.m_Responses[0].m_CalendarData.toStdString(),
              "BEGIN:VCALENDAR\r\nSUMMARY:Caf\xC3\xA9 & <b>bar</b>\r\nEND:VCALENDAR\r\n");

    EXPECT_FALSE(CDavMultiStatus::Parse("<html>hello</html>", QUrl()).m_Error.isEmpty());
    // A body cut off midway yields nothing rather than half.
    EXPECT_TRUE(CDavMultiStatus::Parse(body.left(body.size() / 2), QUrl()).m_Responses.empty());
}

} // namespace
