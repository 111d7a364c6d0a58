#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcKestrelmark)

// Diagnostic trace lines: internal failures the program survives and the
// steps of loading and checking. Silent unless the category is enabled
// (QT_LOGGING_RULES="kestrelmark.trace.debug=true").
void Trace(const QString &text);
inline void Trace(const char *text) { Trace(QString::fromLatin1(text)); }

// Tests and the CLI can watch the trace lines.
using TraceHook = void (*)(const QString &);
void SetTraceHook(TraceHook hook);
