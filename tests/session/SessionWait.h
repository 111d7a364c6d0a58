#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// Runs the event loop until done says so or ms have passed.
inline bool WaitFor(const std::function<bool()> &done, int ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
