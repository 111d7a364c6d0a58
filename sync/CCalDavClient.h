#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// What one request came back with. A fault means no usable HTTP answer.
struct CDavReply
{
    enum Fault { None, Network, Tls, Auth, TooLarge, Timeout, Redirect };
    Fault m_Fault = None;
    int m_Status = 0;
    QByteArray m_Body;
    QByteArray m_ETag;
    QUrl m_Url;     // where the answer came from, after redirects
    QString m_Error; // for the status line, when m_Fault != None

    bool Ok() const { return m_Fault == None && m_Status / 100 == 2; }
};

// The WebDAV/CalDAV requests of the sync, each answered through a
// callback on the event loop. Replies larger than the limit are cut off
// as they arrive, slow ones time out, certificate problems fail the
// request (they are never ignored), and redirects are followed by hand so
// that a PROPFIND stays a PROPFIND. The user name and password go only to
// the origin (scheme, host and port) they were given for; a redirect that
// leaves the origin is refused rather than followed without them, so the
// sync fails visibly instead of talking to a server nobody entered.
class CCalDavClient : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 kDefaultMaxReplyBytes = qint64(32) << 20;
    static constexpr int kDefaultTimeoutMs = 60000;
    static constexpr int kMaxRedirects = 5;
    static constexpr qint64 kReadAheadBytes = qint64(256) << 10;

    using Headers = QList<QPair<QByteArray, QByteArray>>;
    using Callback = std::function<void(const CDavReply &)>;

    explicit CCalDavClient(QObject *parent = nullptr);

    // origin: the address the user entered; only its scheme, host and
    // port count.
    void setCredentials(const QUrl &origin, const QString &user, const QString &password);
    static bool SameOrigin(const QUrl &a, const QUrl &b);
    void setMaxReplyBytes(qint64 bytes) { m_maxReplyBytes = bytes; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    void send(const QByteArray &method, const QUrl &url, const QByteArray &body, const Headers &headers,
              Callback done);

    void propfind(const QUrl &url, int depth, const QByteArray &body, Callback done);
    void report(const QUrl &url, int depth, const QByteArray &body, Callback done);
    // etag empty: create only (If-None-Match: *); else replace only that version.
    // more: further headers (Schedule-Reply, RFC 6638).
    void put(const QUrl &url, const QByteArray &ics, const QByteArray &etag, Callback done, const Headers &more = {});
    void remove(const QUrl &url, const QByteArray &etag, Callback done, const Headers &more = {});
    void mkcalendar(const QUrl &url, Callback done);

private:
    void start(const QByteArray &method, const QUrl &url, const QByteArray &body, const Headers &headers,
               Callback done, int redirects);

    QNetworkAccessManager &network();

    QNetworkAccessManager *m_nam = nullptr; // made on first use
    QUrl m_origin;
    QByteArray m_authorization;
    qint64 m_maxReplyBytes = kDefaultMaxReplyBytes;
    int m_timeoutMs = kDefaultTimeoutMs;
};
