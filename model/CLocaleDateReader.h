#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

#include <vector>

// Reads dates and times written in one numeric form of a locale (such as
// "M/d/yyyy" or "h:mm:ss AP") the way QLocale::toDate and toTime read that
// form, at a fraction of their cost: the form is taken apart once, and each
// text is then matched field by field. Forms with names (months, weekdays),
// two-digit years, milliseconds or time zones are not handled; neither are
// digits other than 0-9. Whatever it does not read, the caller hands to
// QLocale.
class CLocaleDateReader
{
public:
    CLocaleDateReader(const QLocale &locale, const QString &format);

    // False when the form holds a field this reader does not handle.
    bool IsUsable() const { return m_usable; }

    // False when the text is not in the form or names no real date or time.
    bool ReadDate(QStringView text, QDate &date) const;
    bool ReadTime(QStringView text, QTime &time) const;

private:
    enum Field { Literal, Day, Month, Year, Hour24, Hour12, Minute, Second, AmPm, FieldCount };
    struct Token
    {
        Field m_Field = Literal;
        int m_MinDigits = 0;
        int m_MaxDigits = 0;
        QString m_Text; // of a literal
    };

    void addLiteral(QChar c);
    void addField(QChar letter, int count);
    // Matches the whole text; values[f] is -1 for a field the form lacks.
    bool match(QStringView text, int (&values)[FieldCount]) const;

    std::vector<Token> m_tokens;
    QString m_am;
    QString m_pm;
    bool m_usable = true;
    bool m_hasAmPm = false;
};
