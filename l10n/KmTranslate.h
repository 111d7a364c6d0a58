#pragma once

#include <QCoreApplication>
#include <QString>

// The user's words for a text kept in English in a constant (marked where
// it is defined with QT_TRANSLATE_NOOP(context, ...)), so that the stored
// and compared forms stay the source text and only what is shown changes.
inline QString KmTranslate(const char *context, const QString &source)
{
    return QCoreApplication::translate(context, source.toUtf8().constData());
}
