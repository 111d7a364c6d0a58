#pragma once

#include "model/CMessageSink.h"

#include <QString>

// What an operation has for the user to read: nothing (an empty text), or
// a text with the icon it is shown with. The library that did the work
// returns it; the program or the command-line tool decides how to tell it.
struct CUserMessage
{
    QString m_Text;
    CMessageSink::Icon m_Icon = CMessageSink::Information;

    bool IsEmpty() const { return m_Text.isEmpty(); }
    static CUserMessage Info(const QString &text) { return { text, CMessageSink::Information }; }
    static CUserMessage Warning(const QString &text) { return { text, CMessageSink::Warning }; }
    static CUserMessage Error(const QString &text) { return { text, CMessageSink::Error }; }
};
