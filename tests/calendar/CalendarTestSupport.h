#pragma once

#include "calendar/CCalendarArt.h"
#include "model/CReminderList.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <vector>

// Days of February 2026 the calendar tests show.
inline const COleDateTime kFeb10(2026, 2, 10, 0, 0, 0);
inline const COleDateTime kFeb12(2026, 2, 12, 0, 0, 0);

namespace calendartest {

// Flat, known colours for every piece, so that tests can read pixels; a
// square shadow mask that darkens by amount over its whole block.
class FakeArt : public CCalendarArt
{
public:
    static QColor Background(int state) { return QColor::fromRgb(10 + 50 * state, 200, 100); }
    static QColor Icon(int number) { return QColor::fromRgb(250, 10 * (number % 20), 250); }

    int Generation() const override { return generation; }
    int Lookup(const QString &name) const override
    {
        ++lookups;
        return names.value(name, 0);
    }
    bool DrawBackground(QPainter &p, int state, const QRect &rect) override
    {
        backgrounds.push_back(state);
        if (failBackground)
            return false;
        p.fillRect(rect, Background(state));
        return true;
    }
    void DrawIcon(QPainter &p, int number, int sizeClass, const QPoint &at) override
    {
        icons.push_back({ number, sizeClass, at });
        const int s = sizeClass == 0 ? 32 : 16;
        p.fillRect(QRect(at, QSize(s, s)), Icon(number));
    }
    bool DrawShadow(QImage &target, int number, int sizeClass, const QPoint &at, double amount) override
    {
        shadows.push_back({ number, sizeClass, at });
        const int s = sizeClass == 0 ? 40 : 25;
        const QRect block = QRect(at, QSize(s, s)).intersected(target.rect());
        for (int y = block.top(); y <= block.bottom(); ++y)
            for (int x = block.left(); x <= block.right(); ++x) {
                const QColor c = target.pixelColor(x, y);
                target.setPixelColor(x, y, QColor(int(c.red() * (1 - amount)), int(c.green() * (1 - amount)),
                                                  int(c.blue() * (1 - amount))));
            }
        return true;
    }
    bool ShadowsOn() const override { return shadowsOn; }

    struct Call
    {
        int number;
        int sizeClass;
        QPoint at;
    };
    int generation = 1;
    QMap<QString, int> names;
    mutable int lookups = 0;
    bool shadowsOn = true;
    bool failBackground = false;
    std::vector<int> backgrounds;
    std::vector<Call> icons;
    std::vector<Call> shadows;
};

inline CReminder MakeReminder(const COleDateTime &when, const QString &message, int recurrence = RecurOneTime,
                              const QString &icon = QString())
{
    CReminder r;
    r.m_DateTime = when;
    r.m_Message = message;
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_IconName = icon;
    return r;
}

inline void AddAll(CReminderList &list, const std::vector<CReminder> &reminders)
{
    for (const CReminder &r : reminders)
        list.InsertSorted(r);
    list.RebuildIndexes();
}

// Real mouse events delivered straight to the widget.
inline void Send(QWidget *w, QEvent::Type type, const QPoint &p, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
inline void Press(QWidget *w, const QPoint &p, Qt::MouseButton b = Qt::LeftButton)
{
    Send(w, QEvent::MouseButtonPress, p, b, b);
}
inline void Release(QWidget *w, const QPoint &p, Qt::MouseButton b = Qt::LeftButton)
{
    Send(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
}
inline void Move(QWidget *w, const QPoint &p, Qt::MouseButtons held = Qt::NoButton)
{
    Send(w, QEvent::MouseMove, p, Qt::NoButton, held);
}
inline void DoubleClick(QWidget *w, const QPoint &p)
{
    Press(w, p);
    Release(w, p);
    Send(w, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    Release(w, p);
}

} // namespace calendartest
