#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <map>

// The date and time forms of one calendar CSV, found from the file itself
// rather than the user's locale: a sample of its date and time fields is
// looked at for the separator, the order of day, month and year, seconds
// and an AM/PM marker. A file whose dates all fit day-first and month-first
// alike (no day above 12) is read in the order of the user's locale, and
// says so. Only numeric forms with four-digit years are found; whatever is
// not is left to the locale's general reading.
class CCalendarCsvForm
{
public:
    void AddDate(QStringView text);
    void AddTime(QStringView text);

    // What the sample showed; the forms are empty when it showed none.
    // The date form is in QLocale's letters ("M/d/yyyy", "d.M.yyyy",
    // "yyyy-M-d"), the time form too ("H:mm:ss", "h:mm AP"); an AM/PM
    // marker is the C locale's "AM"/"PM" in any letter case.
    void Decide(const QLocale &locale);
    QString DateFormat() const { return m_dateFormat; }
    QString TimeFormat() const { return m_timeFormat; }
    bool IsAmbiguous() const { return m_ambiguous; }

private:
    // Day-first or month-first dates with the year last, by separator.
    struct YearLast
    {
        int m_count = 0;
        int m_dayFirst = 0;   // first number above 12
        int m_monthFirst = 0; // second number above 12
    };

    std::map<QChar, YearLast> m_yearLast;
    std::map<QChar, int> m_yearFirst;
    std::map<QString, int> m_times; // by time form
    QString m_dateFormat;
    QString m_timeFormat;
    bool m_ambiguous = false;
};
