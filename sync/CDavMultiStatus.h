#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <vector>

// One <response> of a WebDAV multistatus body, with the properties the
// sync reads. Properties whose propstat is not 2xx are left empty.
struct CDavResource
{
    QString m_Href;          // resolved against the request's address, path only
    QString m_Listed;        // the href as the server wrote it
    bool m_OtherOrigin = false; // it names another scheme, host or port
    int m_Status = 200;      // the response's own status, else 200
    QByteArray m_ETag;
    QByteArray m_CalendarData;
    qint64 m_ContentLength = -1; // getcontentlength, -1 when not given
    bool m_IsCollection = false;
    bool m_IsCalendar = false;
    bool m_HasComponentSet = false; // the server listed the components it takes
    bool m_TakesEvents = false;
    QString m_PrincipalHref;
    QString m_HomeHref;
};

// A multistatus body (RFC 4918) as the sync needs it: the responses and,
// for a sync-collection report (RFC 6578), the new token.
struct CDavMultiStatus
{
    std::vector<CDavResource> m_Responses;
    QString m_SyncToken;
    QString m_Error; // empty when the body parsed

    // Hrefs are resolved against base, so "x.ics", "/cal/x.ics" and
    // "http://host/cal/x.ics" all give "/cal/x.ics".
    static CDavMultiStatus Parse(const QByteArray &body, const QUrl &base);
    // The path of href resolved against base, percent-decoded.
    static QString ResolvePath(const QUrl &base, const QString &href);
    // True when a decoded path names something below collection (a path
    // with a trailing "/"): it begins with it, goes on, and holds no "."
    // or ".." segment a server would take as a way out.
    static bool IsBelow(const QString &path, const QString &collection);
    // A decoded path as it goes into a request or an href: every octet of
    // a segment but the unreserved ones percent-encoded (";", "%", "#",
    // "?", spaces and non-ASCII letters alike), the slashes kept.
    static QString EncodePath(const QString &path);
};
