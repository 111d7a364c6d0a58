#include "model/CTrace.h"

Q_LOGGING_CATEGORY(lcKestrelmark, "kestrelmark.trace", QtWarningMsg)

static TraceHook g_hook = nullptr;

void SetTraceHook(TraceHook hook) { g_hook = hook; }

void Trace(const QString &text)
{
    if (g_hook)
        g_hook(text);
    if (lcKestrelmark().isDebugEnabled()) {
        QString line = text;
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        qCDebug(lcKestrelmark).noquote() << line;
    }
}
