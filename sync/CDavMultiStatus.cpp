#include "sync/CDavMultiStatus.h"

#include <QXmlStreamReader>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

int statusCode(const QString &line)
{
    // "HTTP/1.1 404 Not Found"
    const QStringList parts = line.simplified().split(QLatin1Char(' '));
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

// The text of the first <href> inside the current element.
QString readInnerHref(QXmlStreamReader &xml)
{
    QString href;
    const int depth = 1;
    int level = depth;
    while (level > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("href") && href.isEmpty()) {
                href = xml.readElementText().trimmed();
                continue;
            }
            ++level;
        } else if (xml.isEndElement()) {
            --level;
        }
    }
    return href;
}

int defaultPort(const QUrl &url) { return url.scheme() == QLatin1String("https") ? 443 : 80; }

QUrl resolved(const QUrl &base, const QString &href) { return base.resolved(QUrl(href, QUrl::TolerantMode)); }

struct PropValues
{
    QByteArray etag, data;
    qint64 length = -1;
    bool collection = false, calendar = false, hasComponents = false, events = false;
    QString principal, home;
};

void readProp(QXmlStreamReader &xml, const QUrl &base, PropValues &v)
{
    while (xml.readNextStartElement()) {
        const auto ns = xml.namespaceUri();
        const auto name = xml.name();
        if (ns == kDav && name == QLatin1String("getetag")) {
            v.etag = xml.readElementText().trimmed().toUtf8();
        } else if (ns == kDav && name == QLatin1String("getcontentlength")) {
            bool ok = false;
            const qint64 n = xml.readElementText().trimmed().toLongLong(&ok);
            if (ok && n >= 0)
                v.length = n;
        } else if (ns == kCalDav && name == QLatin1String("calendar-data")) {
            v.data = xml.readElementText().toUtf8();
        } else if (ns == kDav && name == QLatin1String("resourcetype")) {
            while (xml.readNextStartElement()) {
                if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("collection"))
                    v.collection = true;
                if (xml.namespaceUri() == kCalDav && xml.name() == QLatin1String("calendar"))
                    v.calendar = true;
                xml.skipCurrentElement();
            }
        } else if (ns == kCalDav && name == QLatin1String("supported-calendar-component-set")) {
            v.hasComponents = true;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("comp")
                    && xml.attributes().value(QLatin1String("name")).compare(QLatin1String("VEVENT"), Qt::CaseInsensitive) == 0)
                    v.events = true;
                xml.skipCurrentElement();
            }
        } else if (ns == kDav && name == QLatin1String("current-user-principal")) {
            v.principal = CDavMultiStatus::ResolvePath(base, readInnerHref(xml));
        } else if (ns == kCalDav && name == QLatin1String("calendar-home-set")) {
            v.home = CDavMultiStatus::ResolvePath(base, readInnerHref(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
}

void readResponse(QXmlStreamReader &xml, const QUrl &base, CDavResource &r)
{
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() != kDav) {
            xml.skipCurrentElement();
        } else if (xml.name() == QLatin1String("href")) {
            r.m_Listed = xml.readElementText().trimmed();
            const QUrl url = resolved(base, r.m_Listed);
            r.m_Href = CDavMultiStatus::ResolvePath(base, r.m_Listed);
            r.m_OtherOrigin = url.scheme() != base.scheme() || url.host() != base.host()
                || url.port(defaultPort(url)) != base.port(defaultPort(base));
        } else if (xml.name() == QLatin1String("status")) {
            r.m_Status = statusCode(xml.readElementText());
        } else if (xml.name() == QLatin1String("propstat")) {
            PropValues v;
            int status = 200;
            while (xml.readNextStartElement()) {
                if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("prop"))
                    readProp(xml, base, v);
                else if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("status"))
                    status = statusCode(xml.readElementText());
                else
                    xml.skipCurrentElement();
            }
            if (status / 100 != 2)
                continue;
            if (!v.etag.isEmpty())
                r.m_ETag = v.etag;
            if (!v.data.isEmpty())
                r.m_CalendarData = v.data;
            if (v.length >= 0)
                r.m_ContentLength = v.length;
            r.m_IsCollection |= v.collection;
            r.m_IsCalendar |= v.calendar;
            r.m_HasComponentSet |= v.hasComponents;
            r.m_TakesEvents |= v.events;
            if (!v.principal.isEmpty())
                r.m_PrincipalHref = v.principal;
            if (!v.home.isEmpty())
                r.m_HomeHref = v.home;
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

QString CDavMultiStatus::ResolvePath(const QUrl &base, const QString &href)
{
    if (href.isEmpty())
        return QString();
    return resolved(base, href).path(QUrl::FullyDecoded);
}

bool CDavMultiStatus::IsBelow(const QString &path, const QString &collection)
{
    if (path.size() <= collection.size() || !path.startsWith(collection))
        return false;
    const QStringList segments = path.split(QLatin1Char('/'));
    return !segments.contains(QLatin1String(".")) && !segments.contains(QLatin1String(".."));
}

QString CDavMultiStatus::EncodePath(const QString &path)
{
    QStringList segments = path.split(QLatin1Char('/'));
    for (QString &segment : segments)
        segment = QString::fromLatin1(QUrl::toPercentEncoding(segment));
    return segments.join(QLatin1Char('/'));
}

CDavMultiStatus CDavMultiStatus::Parse(const QByteArray &body, const QUrl &base)
{
    CDavMultiStatus out;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || xml.namespaceUri() != kDav || xml.name() != QLatin1String("multistatus")) {
        out.m_Error = xml.hasError() ? xml.errorString() : QStringLiteral("the reply is not a WebDAV multistatus");
        return out;
    }
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("response")) {
            CDavResource r;
            readResponse(xml, base, r);
            if (!r.m_Href.isEmpty())
                out.m_Responses.push_back(std::move(r));
        } else if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("sync-token")) {
            out.m_SyncToken = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        out.m_Error = QStringLiteral("unreadable multistatus reply: %1").arg(xml.errorString());
        out.m_Responses.clear();
    }
    return out;
}
