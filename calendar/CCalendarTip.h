#pragma once

#include <QString>

class CReminder;

// Which icon a pending or shown tip belongs to, and which one had its tip
// last, so that a tip shows once per visit of the mouse to an icon.
class CCalendarTip
{
public:
    static constexpr int kNone = -2;
    static constexpr int kMaxMessage = 40;

    // The message on one line, cut to 40 characters and "...", then the
    // time of day in brackets unless it is 00:00.
    static QString TipText(const CReminder &reminder);

    bool IsLast(int cell, int icon) const { return cell == lastTipCell && icon == lastTipIcon; }
    bool IsCurrent(int cell, int icon) const { return cell == tipCell && icon == tipIcon; }
    void ForgetLast() { lastTipCell = lastTipIcon = kNone; }

    int tipCell = -1;
    int tipIcon = -1;
    int lastTipCell = kNone;
    int lastTipIcon = kNone;
    int tipX = 0;
    int tipY = 0;
};
