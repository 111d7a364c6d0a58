#pragma once

#include "graphics/CMessageBox.h"
#include "model/CUserMessage.h"

#include <QString>

// The programs' one way to tell the user something or ask a question.
class CMessageBox
{
public:
    // Installs sink (not owned); null restores the default, which writes
    // to standard error and answers OK, No or Cancel.
    static void SetSink(CMessageSink *sink);
    static CMessageSink *Sink();
    static CMessageSink::Answer Show(const QString &text,
                                     CMessageSink::Buttons buttons = CMessageSink::Ok,
                                     CMessageSink::Icon icon = CMessageSink::Warning);
    // Shows message with its icon and an OK button; nothing when it is empty.
    static void Tell(const CUserMessage &message);
};
