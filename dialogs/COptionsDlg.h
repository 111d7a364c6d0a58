#pragma once

#include "dialogs/CEditorContext.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QVBoxLayout;
class CSyncAccountBox;

// The program's options: how many days the upcoming list looks ahead, the
// default alert sound (or the system beep), whether alerts also go to the
// desktop's notifications, and whether the program starts at login. OK
// updates the program-wide values and writes the settings.
class COptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit COptionsDlg(const CEditorContext &context, QWidget *parent = nullptr);

    int m_UpcomingDays = 0;
    QString m_SoundFileName;
    int m_DaysIndex = -1;
    int m_SoundChoice = -1;
    bool m_Autostart = false;
    bool m_Notifications = true;

    void OnInitDialog();
    // Adds the calendar account below the other options.
    void AddSyncAccount(CSyncAccountBox *box);
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void UpdateBrowseCaption();
    void OnBrowse();
    void OnPlay();

    CEditorContext m_context;
    bool m_initialised = false;
    int m_openedDays = 0;
    bool m_openedAutostart = false;
    QComboBox *m_days = nullptr;
    QButtonGroup *m_soundGroup = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_play = nullptr;
    QCheckBox *m_autostart = nullptr;
    QCheckBox *m_notifications = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    CSyncAccountBox *m_sync = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
