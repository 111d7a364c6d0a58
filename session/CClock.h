#pragma once

#include "model/COleDateTime.h"

#include <QElapsedTimer>
#include <QtGlobal>

// The two clocks the program reads: the wall clock says what is due, the
// monotonic clock measures intervals. The wall clock can be set back or
// forward under the running program; the monotonic one only runs on (and
// stands still while the computer sleeps). The app uses the system's
// clocks; tests put in a pair they move by hand.
class CClock
{
public:
    virtual ~CClock() = default;
    virtual COleDateTime Now() const = 0;
    // Milliseconds on a clock that never goes back; only differences count.
    virtual qint64 MonotonicMs() const = 0;
};

class CSystemClock : public CClock
{
public:
    CSystemClock() { m_started.start(); }
    COleDateTime Now() const override { return COleDateTime::GetCurrentTime(); }
    qint64 MonotonicMs() const override { return m_started.elapsed(); }

private:
    QElapsedTimer m_started;
};
