#include "cli/CCliValues.h"

#include "model/CReminder.h"

#include <QRegularExpression>

bool CCliValues::ParseDateTime(const QString &text, COleDateTime &out)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2})(?::(\\d{2}))?$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    out = COleDateTime(0.0, COleDateTime::invalid);
    return out.SetDateTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                           m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()) != 0;
}

bool CCliValues::ParseDate(const QString &text, COleDateTime &out)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    out = COleDateTime(0.0, COleDateTime::invalid);
    return out.SetDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()) != 0;
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
