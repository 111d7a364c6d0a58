#include "sync/CCalDavClient.h"

#include "l10n/CNotes.h"

#include <QBuffer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

const QByteArray kXml = QByteArrayLiteral("application/xml; charset=utf-8");

struct Pending
{
    QByteArray body;
    CDavReply reply;
    bool finished = false;
};

} // namespace

CCalDavClient::CCalDavClient(QObject *parent)
    : QObject(parent)
{
}

QNetworkAccessManager &CCalDavClient::network()
{
    // Made for the first request: most people never set up an account.
    if (!m_nam) {
        m_nam = new QNetworkAccessManager(this);
        m_nam->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    }
    return *m_nam;
}

void CCalDavClient::setCredentials(const QUrl &origin, const QString &user, const QString &password)
{
    m_origin = origin;
    if (user.isEmpty())
        m_authorization.clear();
    else
        m_authorization = "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64();
}

bool CCalDavClient::SameOrigin(const QUrl &a, const QUrl &b)
{
    const auto port = [](const QUrl &u) { return u.port(u.scheme() == QLatin1String("https") ? 443 : 80); };
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && port(a) == port(b);
}

void CCalDavClient::send(const QByteArray &method, const QUrl &url, const QByteArray &body, const Headers &headers,
                         Callback done)
{
    start(method, url, body, headers, std::move(done), 0);
}

void CCalDavClient::start(const QByteArray &method, const QUrl &url, const QByteArray &body, const Headers &headers,
                          Callback done, int redirects)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("User-Agent", "Kestrelmark");
    // Qt refuses a compressed reply that grows more than a few dozen times
    // beyond 10 MB, which a long event's repeated text does; the size
    // limit below bounds the reply as it is unpacked instead.
    request.setDecompressedSafetyCheckThreshold(m_maxReplyBytes);
    if (!m_authorization.isEmpty() && SameOrigin(url, m_origin))
        request.setRawHeader("Authorization", m_authorization);
    for (const auto &h : headers)
        request.setRawHeader(h.first, h.second);

    auto *buffer = new QBuffer;
    buffer->setData(body);
    buffer->open(QIODevice::ReadOnly);
    QNetworkReply *reply = network().sendCustomRequest(request, method, buffer);
    buffer->setParent(reply);
    // Qt reads no further ahead than this: without it a reply with no
    // Content-Length is taken in as fast as it comes, far beyond the limit,
    // before the checks below see any of it. Set once the request is under
    // way (queued behind its start), as Qt's reading thread ignores a size
    // set before it has begun the request.
    QMetaObject::invokeMethod(reply, [reply] { reply->setReadBufferSize(kReadAheadBytes); }, Qt::QueuedConnection);

    auto state = std::make_shared<Pending>();
    state->reply.m_Url = url;
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply, state] {
        state->reply.m_Fault = CDavReply::Timeout;
        state->reply.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server did not answer in time"));
        reply->abort();
    });
    timer->start(m_timeoutMs);

    const qint64 limit = m_maxReplyBytes;
    auto tooLarge = [reply, state, limit] {
        state->reply.m_Fault = CDavReply::TooLarge;
        state->reply.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server's reply is larger than %1 bytes")).arg(limit);
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, tooLarge, limit] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limit)
            tooLarge();
    });
    connect(reply, &QIODevice::readyRead, reply, [reply, state, tooLarge, limit] {
        if (state->reply.m_Fault != CDavReply::None)
            return;
        state->body += reply->read(std::min(reply->bytesAvailable(), limit + 1 - state->body.size()));
        if (state->body.size() > limit)
            tooLarge();
    });
    connect(reply, &QNetworkReply::sslErrors, reply, [state](const QList<QSslError> &errors) {
        QStringList texts;
        for (const QSslError &e : errors)
            texts << e.errorString();
        state->reply.m_Fault = CDavReply::Tls;
        state->reply.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server's certificate was refused: %1")).arg(texts.join(QStringLiteral("; ")));
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, state, method, url, body, headers, done = std::move(done), redirects]() mutable {
                reply->deleteLater();
                CDavReply &r = state->reply;
                if (r.m_Fault == CDavReply::None && reply->bytesAvailable() > 0) {
                    state->body += reply->read(std::min(reply->bytesAvailable(), m_maxReplyBytes + 1 - state->body.size()));
                    if (state->body.size() > m_maxReplyBytes) {
                        r.m_Fault = CDavReply::TooLarge;
                        r.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server's reply is larger than %1 bytes")).arg(m_maxReplyBytes);
                    }
                }
                r.m_Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                r.m_ETag = reply->rawHeader("ETag");
                if (r.m_Fault == CDavReply::None) {
                    const QNetworkReply::NetworkError e = reply->error();
                    if (r.m_Status == 401 || e == QNetworkReply::AuthenticationRequiredError) {
                        r.m_Fault = CDavReply::Auth;
                        r.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server refused the user name or password"));
                    } else if (e == QNetworkReply::SslHandshakeFailedError) {
                        r.m_Fault = CDavReply::Tls;
                        r.m_Error = reply->errorString();
                    } else if (r.m_Status == 0 || (r.m_Status / 100 == 2 && e != QNetworkReply::NoError)) {
                        // No answer, or a good status whose body broke off
                        // or could not be unpacked.
                        r.m_Fault = CDavReply::Network;
                        r.m_Error = reply->errorString();
                    }
                }
                if (r.m_Fault == CDavReply::None && r.m_Status >= 300 && r.m_Status < 400 && r.m_Status != 304) {
                    const QUrl target = url.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
                    if (!target.isValid() || !SameOrigin(target, url)) {
                        // Another scheme, host or port is another server:
                        // not followed, with or without the password.
                        r.m_Fault = CDavReply::Redirect;
                        r.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server sent the request to %1"))
                                        .arg(target.isValid() ? target.adjusted(QUrl::RemoveUserInfo).authority() : target.toString());
                    } else if (redirects >= kMaxRedirects) {
                        r.m_Fault = CDavReply::Redirect;
                        r.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server sent the request elsewhere (%1)")).arg(target.toString());
                    } else {
                        start(method, target, body, headers, std::move(done), redirects + 1);
                        return;
                    }
                }
                r.m_Body = std::move(state->body);
                done(r);
            });
}

void CCalDavClient::propfind(const QUrl &url, int depth, const QByteArray &body, Callback done)
{
    send("PROPFIND", url, body, { { "Depth", QByteArray::number(depth) }, { "Content-Type", kXml } }, std::move(done));
}

void CCalDavClient::report(const QUrl &url, int depth, const QByteArray &body, Callback done)
{
    send("REPORT", url, body, { { "Depth", QByteArray::number(depth) }, { "Content-Type", kXml } }, std::move(done));
}

void CCalDavClient::put(const QUrl &url, const QByteArray &ics, const QByteArray &etag, Callback done,
                        const Headers &more)
{
    Headers h { { "Content-Type", "text/calendar; charset=utf-8" } };
    h += more;
    if (etag.isEmpty())
        h.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
    else
        h.append(qMakePair(QByteArray("If-Match"), etag));
    send("PUT", url, ics, h, std::move(done));
}

void CCalDavClient::remove(const QUrl &url, const QByteArray &etag, Callback done, const Headers &more)
{
    Headers h = more;
    if (!etag.isEmpty())
        h.append(qMakePair(QByteArray("If-Match"), etag));
    send("DELETE", url, QByteArray(), h, std::move(done));
}

void CCalDavClient::mkcalendar(const QUrl &url, Callback done)
{
    const QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<C:mkcalendar xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:set><D:prop>"
                            "<D:displayname>Kestrelmark</D:displayname>"
                            "<C:supported-calendar-component-set><C:comp name=\"VEVENT\"/></C:supported-calendar-component-set>"
                            "</D:prop></D:set></C:mkcalendar>";
    send("MKCALENDAR", url, body, { { "Content-Type", kXml } }, std::move(done));
}
