#include "cli/CCliValues.h"

#include "l10n/CNotes.h"
#include "model/CReminder.h"

#include <QRegularExpression>

namespace {

// The number written in count ASCII digits at position at, or -1.
int digitsAt(QStringView text, qsizetype at, int count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "YYYY-MM-DD" at the start of text, whose length the caller has checked.
bool dateParts(QStringView text, int &year, int &month, int &day)
{
    year = digitsAt(text, 0, 4);
    month = digitsAt(text, 5, 2);
    day = digitsAt(text, 8, 2);
    return year >= 0 && month >= 0 && day >= 0 && text[4] == u'-' && text[7] == u'-';
}

} // namespace

bool CCliValues::ParseDateTime(const QString &text, COleDateTime &out)
{
    // YYYY-MM-DDTHH:MM, or with :SS.
    int year = 0, month = 0, day = 0;
    if ((text.size() != 16 && text.size() != 19) || !dateParts(text, year, month, day) || text[10] != u'T'
        || text[13] != u':')
        return false;
    const int hour = digitsAt(text, 11, 2);
    const int minute = digitsAt(text, 14, 2);
    const int second = text.size() == 19 ? (text[16] == u':' ? digitsAt(text, 17, 2) : -1) : 0;
    if (hour < 0 || minute < 0 || second < 0)
        return false;
    out = COleDateTime(0.0, COleDateTime::invalid);
    return out.SetDateTime(year, month, day, hour, minute, second) != 0;
}

bool CCliValues::ParseDate(const QString &text, COleDateTime &out)
{
    int year = 0, month = 0, day = 0;
    if (text.size() != 10 || !dateParts(text, year, month, day))
        return false;
    out = COleDateTime(0.0, COleDateTime::invalid);
    return out.SetDate(year, month, day) != 0;
}

bool CCliValues::ParseSpan(const QString &text, COleDateTimeSpan &out)
{
    if (text == QLatin1String("0")) {
        out = COleDateTimeSpan(0.0);
        return true;
    }
    static const QRegularExpression re(QStringLiteral("^(?:(\\d+)d)?(?:(\\d+)h)?(?:(\\d+)m)?$"));
    const auto m = re.match(text);
    if (text.isEmpty() || !m.hasMatch())
        return false;
    const long days = m.captured(1).toLong();
    const int hours = m.captured(2).toInt();
    const int minutes = m.captured(3).toInt();
    if (days > 3650 || hours > 100000 || minutes > 10000000)
        return false;
    out.SetDateTimeSpan(days, hours, minutes, 0);
    return true;
}

int CCliValues::ParseRecurrence(const QString &text)
{
    const QString t = text.toLower();
    if (t == QLatin1String("one-time") || t == QLatin1String("0"))
        return RecurOneTime;
    if (t == QLatin1String("annual") || t == QLatin1String("1"))
        return RecurAnnual;
    if (t == QLatin1String("monthly") || t == QLatin1String("2"))
        return RecurMonthly;
    if (t == QLatin1String("weekly") || t == QLatin1String("3"))
        return RecurWeekly;
    return -1;
}

QString CCliValues::ReadWhen(const QMap<QString, QString> &options, CReminder &r)
{
    const QString at = QStringLiteral("at"), recurrence = QStringLiteral("recurrence"), notice = QStringLiteral("notice");
    if (options.contains(at) && !ParseDateTime(options.value(at), r.m_DateTime))
        return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--at: '%1' is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])"))
            .arg(options.value(at));
    if (options.contains(recurrence)) {
        const int kind = ParseRecurrence(options.value(recurrence));
        if (kind < 0)
            return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--recurrence must be one-time, annual, monthly or weekly"));
        r.m_Recurrence = static_cast<quint16>(kind);
    }
    if (options.contains(notice) && !ParseSpan(options.value(notice), r.m_AdvanceNotice))
        return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--notice must look like 2d3h30m"));
    return QString();
}
