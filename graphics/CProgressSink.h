#pragma once

#include <QString>
#include <functional>
#include <memory>

// The please-wait window ("Kestrelmark -- Please wait...") as the picture
// code sees it: a text, a maximum and a step. The desktop program installs a
// factory that makes the real window; without one nothing is shown.
class CProgressSink
{
public:
    CProgressSink() { ++s_alive; }
    virtual ~CProgressSink() { --s_alive; }
    CProgressSink(const CProgressSink &) = delete;
    CProgressSink &operator=(const CProgressSink &) = delete;
    virtual void SetText(const QString &text) = 0;
    // Maximum n, step count 0, bar range 0 to n.
    virtual void SetMaxGraphics(int n) = 0;
    // One more step; the bar follows while it is below the maximum.
    virtual void StepGraphics() = 0;

    using Factory = std::function<std::unique_ptr<CProgressSink>()>;
    static void SetFactory(Factory factory);
    // A new, shown window, or null without a factory.
    static std::unique_ptr<CProgressSink> Create();
    // Whether any please-wait window exists now.
    static bool AnyShown() { return s_alive > 0; }

private:
    static inline int s_alive = 0;
};
