#pragma once

#include <QIcon>

// The program's icon in every size the program carries; a drawn stand-in
// when it carries none.
class CProgramIcon
{
public:
    static QIcon Icon();
};
