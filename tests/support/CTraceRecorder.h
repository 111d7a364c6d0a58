#pragma once

#include "model/CTrace.h"

#include <QStringList>

// Collects the trace lines written while it lives.
class CTraceRecorder
{
public:
    CTraceRecorder() { s_lines.clear(); SetTraceHook(&CTraceRecorder::record); }
    ~CTraceRecorder() { SetTraceHook(nullptr); }
    const QStringList &Lines() const { return s_lines; }
    bool Contains(const QString &line) const { return s_lines.contains(line); }

private:
    static void record(const QString &line) { s_lines << line; }
    static inline QStringList s_lines;
};
