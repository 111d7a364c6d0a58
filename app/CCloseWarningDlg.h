#pragma once

#include <QDialog>

class QPushButton;

// Asked when the user closes the main window: hiding it keeps the
// reminders coming, closing ends them until the next start.
class CCloseWarningDlg : public QDialog
{
    Q_OBJECT

public:
    enum Choice { Cancel = 0, JustMinimize = 1052, Close = 1053 };
    static const char *const kText;

    explicit CCloseWarningDlg(QWidget *parent = nullptr);

    Choice GetChoice() const { return m_choice; }
    QPushButton *Button(Choice choice) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Choose(Choice choice);

    Choice m_choice = Cancel;
    QPushButton *m_minimize = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_soundPlayed = false;
};
