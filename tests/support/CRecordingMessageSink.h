#pragma once

#include "graphics/CMessageBox.h"

#include <QStringList>
#include <deque>

// Records every message and answers from a queue prepared by the test
// (OK, No or Cancel once the queue is empty). Installs itself for its
// lifetime.
class CRecordingMessageSink : public CMessageSink
{
public:
    CRecordingMessageSink() { CMessageBox::SetSink(this); }
    ~CRecordingMessageSink() override { CMessageBox::SetSink(nullptr); }

    Answer Show(const QString &text, Buttons buttons, Icon icon) override
    {
        m_messages << text;
        m_icons.push_back(icon);
        if (!m_answers.empty()) {
            const Answer a = m_answers.front();
            m_answers.pop_front();
            return a;
        }
        return buttons == Ok ? IdOk : buttons == YesNo ? IdNo : IdCancel;
    }

    QStringList m_messages;
    std::deque<Icon> m_icons;
    std::deque<Answer> m_answers;
};
