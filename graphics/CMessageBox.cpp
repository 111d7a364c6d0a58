#include "graphics/CMessageBox.h"

#include <cstdio>

namespace {

class StderrSink : public CMessageSink
{
public:
    Answer Show(const QString &text, Buttons buttons, Icon) override
    {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        switch (buttons) {
        case YesNo: return IdNo;
        case OkCancel:
        case YesNoCancel: return IdCancel;
        default: return IdOk;
        }
    }
};

StderrSink s_default;
CMessageSink *s_sink = &s_default;

} // namespace

void CMessageBox::SetSink(CMessageSink *sink) { s_sink = sink ? sink : &s_default; }

CMessageSink *CMessageBox::Sink() { return s_sink; }

CMessageSink::Answer CMessageBox::Show(const QString &text, CMessageSink::Buttons buttons, CMessageSink::Icon icon)
{
    return s_sink->Show(text, buttons, icon);
}

void CMessageBox::Tell(const CUserMessage &message)
{
    if (!message.IsEmpty())
        s_sink->Show(message.m_Text, CMessageSink::Ok, message.m_Icon);
}
