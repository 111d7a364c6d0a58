#pragma once

#include "model/COleDateTime.h"

#include <QString>

// The texts of a date-range dialog's fields as the user left them. Months
// are the list positions plus one (0 when nothing is chosen).
struct CDateRangeFields
{
    int m_fromMonth = 1;
    QString m_fromDay;
    QString m_fromYear;
    int m_toMonth = 1;
    QString m_toDay;
    QString m_toYear;
};

// What OK decides for the print and delete range dialogs: each number field
// in turn must be an integer (day of "From" 1 to 31, years 1984 to 3000,
// day of "To" any integer), then both dates must exist. The first failure
// names its field and the prompt to show.
class CDateRangeCheck
{
public:
    static constexpr int kMinYear = 1984;
    static constexpr int kMaxYear = 3000;
    static constexpr int kMinDay = 1;
    static constexpr int kMaxDay = 31;

    enum Field { NoField, FromDay, FromYear, ToDay, ToYear };
    enum Outcome { Accepted, NotInteger, OutOfRange, InvalidDate };

    struct Result
    {
        Outcome m_outcome = Accepted;
        Field m_field = NoField;
        QString m_message;      // empty when accepted
        int m_fromDay = 0, m_fromYear = 0, m_toDay = 0, m_toYear = 0;
        COleDateTime m_from;    // at 00:00, valid when accepted
        COleDateTime m_to;
    };

    static Result Check(const CDateRangeFields &fields);

    static QString InvalidDateMessage();
};
