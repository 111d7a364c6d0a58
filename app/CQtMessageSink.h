#pragma once

#include "model/CMessageSink.h"

// Messages for the user as modal message boxes over the program's active
// window: a question with Yes and No, the information icon for the
// success reports, a warning otherwise.
class CQtMessageSink : public CMessageSink
{
public:
    Answer Show(const QString &text, Buttons buttons, Icon icon) override;
};
