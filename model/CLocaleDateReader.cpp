#include "model/CLocaleDateReader.h"

#include <algorithm>

CLocaleDateReader::CLocaleDateReader(const QLocale &locale, const QString &format)
    : m_am(locale.amText())
    , m_pm(locale.pmText())
{
    for (qsizetype i = 0; i < format.size() && m_usable;) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // 'text' is taken as it stands; '' is one quote.
            if (i + 1 < format.size() && format[i + 1] == QLatin1Char('\'')) {
                addLiteral(c);
                i += 2;
                continue;
            }
            const qsizetype end = format.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0) {
                m_usable = false;
                break;
            }
            for (qsizetype k = i + 1; k < end; ++k)
                addLiteral(format[k]);
            i = end + 1;
            continue;
        }
        if (c.isLetter() && c.unicode() < 128) {
            qsizetype n = 1;
            while (i + n < format.size() && format[i + n] == c)
                ++n;
            addField(c, static_cast<int>(n));
            i += n;
            continue;
        }
        addLiteral(c);
        ++i;
    }
    if (!m_hasAmPm)
        return;
    // h is a 12-hour clock only beside AP; H beside AP is left to QLocale.
    bool hour12 = false;
    for (const Token &t : m_tokens) {
        hour12 = hour12 || t.m_Field == Hour12;
        if (t.m_Field == Hour24)
            m_usable = false;
    }
    // Names of other letters or with blanks in them Qt reads its own way.
    const auto plain = [](const QString &name) {
        return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
            return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        });
    };
    if (!hour12 || !plain(m_am) || !plain(m_pm))
        m_usable = false;
}

void CLocaleDateReader::addLiteral(QChar c)
{
    if (m_tokens.empty() || m_tokens.back().m_Field != Literal)
        m_tokens.push_back(Token {});
    m_tokens.back().m_Text += c;
}

void CLocaleDateReader::addField(QChar letter, int count)
{
    Token t;
    t.m_MinDigits = count == 1 ? 1 : count;
    t.m_MaxDigits = count == 1 ? 2 : count;
    switch (letter.unicode()) {
    case 'd':
        t.m_Field = Day;
        break;
    case 'M':
        t.m_Field = Month;
        break;
    case 'y':
        t.m_Field = Year;
        break;
    case 'H':
        t.m_Field = Hour24;
        break;
    case 'h':
        t.m_Field = Hour12; // read as Hour24 when the form has no AP
        break;
    case 'm':
        t.m_Field = Minute;
        break;
    case 's':
        t.m_Field = Second;
        break;
    case 'A':
    case 'a':
        if (count != 1 && count != 2) {
            m_usable = false;
            return;
        }
        t.m_Field = AmPm;
        m_hasAmPm = true;
        m_tokens.push_back(t);
        return;
    case 'P':
    case 'p':
        // The P of "AP" is read with the A before it.
        if (count == 1 && !m_tokens.empty() && m_tokens.back().m_Field == AmPm)
            return;
        m_usable = false;
        return;
    default:
        m_usable = false;
        return;
    }
    // Four-digit years only: two-digit ones need a century rule.
    if (t.m_Field == Year ? count != 4 : count > 2)
        m_usable = false;
    m_tokens.push_back(t);
}

bool CLocaleDateReader::match(QStringView text, int (&values)[FieldCount]) const
{
    for (int &v : values)
        v = -1;
    qsizetype pos = 0;
    for (const Token &t : m_tokens) {
        if (t.m_Field == Literal) {
            if (!text.mid(pos).startsWith(t.m_Text))
                return false;
            pos += t.m_Text.size();
            continue;
        }
        if (t.m_Field == AmPm) {
            const QStringView rest = text.mid(pos);
            if (rest.startsWith(m_am, Qt::CaseInsensitive)) {
                values[AmPm] = 0;
                pos += m_am.size();
            } else if (rest.startsWith(m_pm, Qt::CaseInsensitive)) {
                values[AmPm] = 1;
                pos += m_pm.size();
            } else {
                return false;
            }
            continue;
        }
        int value = 0;
        int digits = 0;
        while (digits < t.m_MaxDigits && pos < text.size() && text[pos] >= QLatin1Char('0')
               && text[pos] <= QLatin1Char('9')) {
            value = value * 10 + (text[pos].unicode() - '0');
            ++pos;
            ++digits;
        }
        if (digits < t.m_MinDigits)
            return false;
        // The same field twice must say the same thing.
        const Field f = t.m_Field == Hour12 && !m_hasAmPm ? Hour24 : t.m_Field;
        if (values[f] >= 0 && values[f] != value)
            return false;
        values[f] = value;
    }
    return pos == text.size();
}

bool CLocaleDateReader::ReadDate(QStringView text, QDate &date) const
{
    int v[FieldCount];
    if (!m_usable || !match(text, v) || v[Day] < 0 || v[Month] < 0 || v[Year] < 0)
        return false;
    date = QDate(v[Year], v[Month], v[Day]);
    return date.isValid();
}

bool CLocaleDateReader::ReadTime(QStringView text, QTime &time) const
{
    int v[FieldCount];
    if (!m_usable || !match(text, v) || v[Minute] < 0)
        return false;
    int hour = v[Hour24];
    if (v[Hour12] >= 0) {
        if (v[Hour12] > 12)
            return false;
        hour = v[Hour12] % 12 + (v[AmPm] == 1 ? 12 : 0);
    }
    if (hour < 0)
        return false;
    time = QTime(hour, v[Minute], v[Second] < 0 ? 0 : v[Second]);
    return time.isValid();
}
