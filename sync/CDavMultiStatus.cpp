#include "sync/CDavMultiStatus.h"

#include "l10n/CNotes.h"

#include <QHash>
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

// Character data as it stands in the document, entities and CDATA
// sections read: what the parser gives but for its line ends, which it
// turns into LF (as XML wants, and as an iCalendar text must not).
QString unescaped(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size();) {
        if (raw.mid(i, 9) == QLatin1String("<![CDATA[")) {
            const qsizetype end = raw.indexOf(QLatin1String("]]>"), i + 9);
            if (end < 0)
                return QString();
            out += raw.mid(i + 9, end - i - 9);
            i = end + 3;
        } else if (raw[i] == QLatin1Char('&')) {
            const qsizetype semi = raw.indexOf(QLatin1Char(';'), i);
            if (semi < 0)
                return QString();
            const QString name = raw.mid(i + 1, semi - i - 1);
            static const QHash<QString, QChar> named { { QStringLiteral("lt"), QLatin1Char('<') },
                                                       { QStringLiteral("gt"), QLatin1Char('>') },
                                                       { QStringLiteral("amp"), QLatin1Char('&') },
                                                       { QStringLiteral("quot"), QLatin1Char('"') },
                                                       { QStringLiteral("apos"), QLatin1Char('\'') } };
            if (named.contains(name)) {
                out += named.value(name);
            } else if (name.startsWith(QLatin1Char('#'))) {
                bool ok = false;
                const uint code = name.startsWith(QLatin1String("#x")) ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
                if (!ok)
                    return QString();
                const char32_t c = code;
                out += QString::fromUcs4(&c, 1);
            } else {
                return QString();
            }
            i = semi + 1;
        } else {
            out += raw[i++];
        }
    }
    return out;
}

// The calendar data of an element from where its start tag ended to where
// its end tag ended, as the reply had it; the parser's text when the two
// tell different stories.
QByteArray calendarData(const QString &document, qint64 start, qint64 end, const QString &parsed)
{
    const qsizetype close = document.lastIndexOf(QLatin1String("</"), end - 1);
    if (start < 0 || close < start)
        return parsed.toUtf8();
    const QString raw = unescaped(document.mid(start, close - start));
    QString normalised = raw;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normalised == parsed ? raw.toUtf8() : parsed.toUtf8();
}

struct PropValues
{
    QByteArray etag, data;
    qint64 length = -1;
    bool collection = false, calendar = false, hasComponents = false, events = false;
    QString principal, home;
};

void readProp(QXmlStreamReader &xml, const QUrl &base, const QString &document, PropValues &v)
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
            const qint64 start = xml.characterOffset();
            const QString parsed = xml.readElementText();
            v.data = calendarData(document, start, xml.characterOffset(), parsed);
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

void readResponse(QXmlStreamReader &xml, const QUrl &base, const QString &document, CDavResource &r)
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
                    readProp(xml, base, document, v);
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
    // The reader counts its place in characters of the decoded text.
    const QString document = QString::fromUtf8(body);
    QXmlStreamReader xml(document);
    if (!xml.readNextStartElement() || xml.namespaceUri() != kDav || xml.name() != QLatin1String("multistatus")) {
        out.m_Error = xml.hasError() ? xml.errorString() : CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the reply is not a WebDAV multistatus"));
        return out;
    }
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("response")) {
            CDavResource r;
            readResponse(xml, base, document, r);
            if (!r.m_Href.isEmpty())
                out.m_Responses.push_back(std::move(r));
        } else if (xml.namespaceUri() == kDav && xml.name() == QLatin1String("sync-token")) {
            out.m_SyncToken = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        out.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "unreadable multistatus reply: %1")).arg(xml.errorString());
        out.m_Responses.clear();
    }
    return out;
}
