#pragma once

#include <QImage>
#include <QString>
#include <functional>

// How a window that is not part of the icon library reaches it: the number
// of an icon name, and a number's small (16 x 16) and large (32 x 32)
// pictures with transparency. A missing function, or a null picture,
// means "no icon" and the window leaves the space empty.
struct CIconSource
{
    std::function<int(const QString &name)> m_lookup;
    std::function<QImage(int number)> m_small;
    std::function<QImage(int number)> m_large;

    int Lookup(const QString &name) const { return m_lookup ? m_lookup(name) : -1; }
    QImage Small(int number) const { return m_small ? m_small(number) : QImage(); }
    QImage Large(int number) const { return m_large ? m_large(number) : QImage(); }
};
