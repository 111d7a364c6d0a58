#pragma once

#include <QString>

struct CIconTableRow
{
    const char *m_name;
    int m_res32;     // 32 x 32 colour picture
    int m_res16;     // 16 x 16 colour picture
    int m_mask32;    // 32 x 32 mask
    int m_mask16;    // 16 x 16 mask
};

// The fixed table of the 63 built-in icons. Icon 0 is the program's
// emblem and what an unknown name resolves to.
class CIconTable
{
public:
    static constexpr int kBuiltinCount = 63;
    static constexpr int kSkullIcon = 62;

    static bool IsBuiltin(int number) { return number >= 0 && number < kBuiltinCount; }
    // Row of a built-in icon; number must be 0 to 62.
    static const CIconTableRow &Row(int number);
    // Name of a built-in icon, empty for any other number.
    static QString Name(int number);
};
