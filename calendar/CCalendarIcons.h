#pragma once

#include <QString>

// What the month model needs from the icon library: the number of an icon
// name and the generation counter that grows whenever an import added
// icons, so that numbers found earlier can be looked up again.
class CCalendarIcons
{
public:
    virtual ~CCalendarIcons() = default;
    virtual int Generation() const = 0;
    // 0 (the emblem) when no icon carries the name.
    virtual int Lookup(const QString &name) const = 0;
};
