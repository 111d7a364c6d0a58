#include "model/CLocaleDateFormat.h"

#include <QRegularExpression>
#include <QStringList>

QString CLocaleDateFormat::DateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString CLocaleDateFormat::TimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Drop the time-zone field and the blank or brackets around it.
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    format.remove(zone);
    if (!format.contains(QLatin1Char('s')))
        format = locale.timeFormat(QLocale::ShortFormat);
    return format.trimmed();
}

namespace {

// Two-digit years: 00-29 are this century's, 30-99 the last one's.
QDate fixTwoDigitYear(QDate date, const QString &format)
{
    if (date.isValid() && !format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy"))
        && date.year() < 1930)
        date = date.addYears(100);
    return date;
}

QStringList dateFormats(const QLocale &locale)
{
    QStringList formats;
    formats << CLocaleDateFormat::DateFormat(locale) << locale.dateFormat(QLocale::ShortFormat)
            << locale.dateFormat(QLocale::LongFormat)
            << QStringLiteral("yyyy-M-d") << QStringLiteral("M/d/yyyy") << QStringLiteral("M/d/yy")
            << QStringLiteral("d.M.yyyy") << QStringLiteral("d.M.yy") << QStringLiteral("d-M-yyyy");
    formats.removeDuplicates();
    return formats;
}

QStringList timeFormats(const QLocale &locale)
{
    QStringList formats;
    formats << CLocaleDateFormat::TimeFormat(locale) << locale.timeFormat(QLocale::ShortFormat)
            << QStringLiteral("H:mm:ss") << QStringLiteral("H:mm") << QStringLiteral("h:mm:ss AP")
            << QStringLiteral("h:mm AP") << QStringLiteral("h:mm:ssAP") << QStringLiteral("h:mmAP")
            << QStringLiteral("h AP") << QStringLiteral("H.mm.ss") << QStringLiteral("H.mm");
    formats.removeDuplicates();
    return formats;
}

} // namespace

QDate CLocaleDateFormat::ParseDate(const QLocale &locale, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QDate();
    const QLocale c = QLocale::c();
    for (const QString &format : dateFormats(locale)) {
        QDate d = fixTwoDigitYear(locale.toDate(t, format), format);
        if (!d.isValid())
            d = fixTwoDigitYear(c.toDate(t, format), format);
        if (d.isValid())
            return d;
    }
    return QDate();
}

QTime CLocaleDateFormat::ParseTime(const QLocale &locale, const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return QTime();
    // "10:30 am", "10:30AM", "10:30 a.m." all read as the same time.
    t.replace(QRegularExpression(QStringLiteral("\\s*([aApP])\\.?\\s*[mM]\\.?$")), QStringLiteral(" \\1M"));
    const QString upper = t.toUpper();
    const QLocale c = QLocale::c();
    for (const QString &format : timeFormats(locale)) {
        QTime tm = locale.toTime(t, format);
        if (!tm.isValid())
            tm = c.toTime(upper, format);
        if (tm.isValid())
            return tm;
    }
    return QTime();
}

bool CLocaleDateFormat::Parse(const QLocale &locale, const QString &text, QDate &date, QTime &time)
{
    date = QDate();
    time = QTime();
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    // ISO forms first: they cannot be mistaken for a locale form.
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ](\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const auto m = iso.match(t);
    if (m.hasMatch()) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!m.captured(4).isEmpty())
            time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        return date.isValid() && (m.captured(4).isEmpty() || time.isValid());
    }
    date = ParseDate(locale, t);
    if (date.isValid())
        return true;
    time = ParseTime(locale, t);
    if (time.isValid())
        return true;
    // Date and time separated by the first blank(s) after the date part.
    const QStringList words = t.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int split = 1; split < words.size(); ++split) {
        const QDate d = ParseDate(locale, words.mid(0, split).join(QLatin1Char(' ')));
        if (!d.isValid())
            continue;
        const QTime tm = ParseTime(locale, words.mid(split).join(QLatin1Char(' ')));
        if (tm.isValid()) {
            date = d;
            time = tm;
            return true;
        }
    }
    return false;
}
