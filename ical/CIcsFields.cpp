#include "ical/CIcsFields.h"

#include "model/CReminder.h"

#include <QUrl>
#include <cmath>

namespace {

QByteArray encodeNumber(double value, int status)
{
    return QByteArray::number(value, 'g', 17) + ';' + QByteArray::number(status);
}

bool decodeNumber(const QByteArray &text, double &value, int &status)
{
    const QList<QByteArray> parts = text.trimmed().split(';');
    if (parts.size() != 2)
        return false;
    bool okValue = false;
    bool okStatus = false;
    value = parts[0].toDouble(&okValue);
    status = parts[1].toInt(&okStatus);
    if (!okValue) {
        // A value that is not a number is kept as such.
        const QByteArray word = parts[0].toLower();
        if (word == "nan" || word == "-nan") {
            value = std::nan("");
            okValue = true;
        }
    }
    return okValue && okStatus && status >= 0 && status <= 2;
}

} // namespace

QByteArray CIcsFields::EncodeDate(const COleDateTime &value) { return encodeNumber(value.GetValue(), value.GetStatus()); }

bool CIcsFields::DecodeDate(const QByteArray &text, COleDateTime &value)
{
    double days = 0;
    int status = 0;
    if (!decodeNumber(text, days, status))
        return false;
    value = COleDateTime(days, static_cast<COleDateTime::DateTimeStatus>(status));
    return true;
}

QByteArray CIcsFields::EncodeSpan(const COleDateTimeSpan &value)
{
    return encodeNumber(value.GetValue(), value.GetStatus());
}

bool CIcsFields::DecodeSpan(const QByteArray &text, COleDateTimeSpan &value)
{
    double days = 0;
    int status = 0;
    if (!decodeNumber(text, days, status))
        return false;
    value = COleDateTimeSpan(days, static_cast<COleDateTimeSpan::DateTimeSpanStatus>(status));
    return true;
}

QByteArray CIcsFields::EncodeText(const QString &text)
{
    // Keeps names and paths readable; encodes what iCalendar escapes, and
    // the spaces at either end, which readers take off a value.
    QByteArray out = QUrl::toPercentEncoding(text, QByteArrayLiteral(" /.-_()'!&+=@#$~*"));
    qsizetype lead = 0;
    while (lead < out.size() && out[lead] == ' ')
        ++lead;
    qsizetype trail = 0;
    while (trail < out.size() - lead && out[out.size() - 1 - trail] == ' ')
        ++trail;
    QByteArray middle = out.mid(lead, out.size() - lead - trail);
    return QByteArray("%20").repeated(lead) + middle + QByteArray("%20").repeated(trail);
}

QString CIcsFields::DecodeText(const QByteArray &text) { return QUrl::fromPercentEncoding(text.trimmed()); }

COleDateTime::Parts CIcsFields::StartParts(const COleDateTime &value)
{
    COleDateTime::Parts parts {};
    if (value.GetStatus() == COleDateTime::valid && value.GetParts(parts))
        return parts;
    CReminder::kDefaultDate.GetParts(parts);
    return parts;
}

long long CIcsFields::NoticeMinutes(const COleDateTimeSpan &notice)
{
    if (notice.GetStatus() != COleDateTimeSpan::valid)
        return 0;
    const double minutes = notice.GetTotalMinutes();
    // Beyond ten years a notice is no notice a calendar can hold.
    if (!std::isfinite(minutes) || minutes <= 0 || minutes > 10.0 * 366 * 24 * 60)
        return 0;
    return std::llround(minutes);
}

int CIcsFields::ShownRecurrence(int code)
{
    return code == RecurAnnual || code == RecurMonthly || code == RecurWeekly ? code : RecurOneTime;
}

QString CIcsFields::PortableMessage(const QString &message)
{
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
