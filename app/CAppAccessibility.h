#pragma once

// Makes the program's own controls known to screen readers: installs the
// accessibility factories of the calendar, the painted controls and the
// month and year arrows. Call once, after the application object exists.
class CAppAccessibility
{
public:
    static void Install();
};
