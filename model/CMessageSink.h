#pragma once

#include <QString>

// Where messages for the user go: the desktop program shows them as
// message boxes, the command-line tool prints them, tests record them and
// answer in advance.
class CMessageSink
{
public:
    enum Icon { Error, Warning, Information, Question };
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Answer { IdOk, IdCancel, IdYes, IdNo };

    virtual ~CMessageSink() = default;
    virtual Answer Show(const QString &text, Buttons buttons, Icon icon) = 0;
};

// The program's one way to tell the user something.
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
};
