#pragma once

#include <QString>

// Reading a whole number typed into a dialog field, with the prompts the
// program shows when the text is not one.
class CIntegerField
{
public:
    // Surrounding blanks are allowed, then an optional sign and digits;
    // anything else, an empty text, or a number beyond a 32-bit integer is
    // refused.
    static bool Parse(const QString &text, int &value);

    static QString IntegerPrompt();                       // "Please enter an integer."
    static QString RangePrompt(int lowest, int highest);  // "... between %1 and %2."
};
