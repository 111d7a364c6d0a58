#pragma once

#include <QString>

// Where messages for the user go: the desktop program shows them as
// message boxes, the command-line tool prints them, tests record them and
// answer in advance. The libraries under the programs never ask: they
// return what happened (see CUserMessage) and the program asks.
class CMessageSink
{
public:
    enum Icon { Error, Warning, Information, Question };
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Answer { IdOk, IdCancel, IdYes, IdNo };

    virtual ~CMessageSink() = default;
    virtual Answer Show(const QString &text, Buttons buttons, Icon icon) = 0;
};
