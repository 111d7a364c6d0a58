#pragma once

#include "graphics/CProgressSink.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// The please-wait window, "Kestrelmark -- Please wait...": a text, a
// progress bar and the program's emblem. Shown without blocking while the
// pictures are converted for a 256-colour display at start-up, and while a
// large number of icon files is imported.
class CProgressWnd : public QDialog, public CProgressSink
{
    Q_OBJECT

public:
    explicit CProgressWnd(QWidget *parent = nullptr);

    void SetText(const QString &text) override;
    void SetMaxGraphics(int n) override;
    void StepGraphics() override;

    int Maximum() const { return m_max; }
    int Steps() const { return m_steps; }
    QString Text() const;
    QProgressBar *Bar() const { return m_bar; }

    // Makes the picture code show this window when it needs one.
    static void InstallFactory();

private:
    int m_max = 0;
    int m_steps = 0;
    QLabel *m_text = nullptr;
    QProgressBar *m_bar = nullptr;
};
