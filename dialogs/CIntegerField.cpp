#include "dialogs/CIntegerField.h"

#include <limits>
#include <QCoreApplication>

bool CIntegerField::Parse(const QString &text, int &value)
{
    const QString t = text.trimmed();
    int pos = 0;
    bool negative = false;
    if (pos < t.size() && (t[pos] == u'-' || t[pos] == u'+')) {
        negative = t[pos] == u'-';
        ++pos;
    }
    if (pos == t.size())
        return false;
    long long number = 0;
    for (; pos < t.size(); ++pos) {
        const QChar c = t[pos];
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + (c.unicode() - u'0');
        if (number > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        number = -number;
    if (number > std::numeric_limits<int>::max() || number < std::numeric_limits<int>::min())
        return false;
    value = static_cast<int>(number);
    return true;
}

QString CIntegerField::IntegerPrompt()
{
    return QCoreApplication::translate("CIntegerField", "Please enter an integer.");
}

QString CIntegerField::RangePrompt(int lowest, int highest)
{
    return QCoreApplication::translate("CIntegerField", "Please enter an integer between %1 and %2.").arg(lowest).arg(highest);
}
