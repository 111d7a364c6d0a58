#pragma once

#include "dialogs/CIconSource.h"

#include <QBasicTimer>
#include <QDialog>
#include <QRect>

class QLabel;
class QMenu;
class QPushButton;

// The alert for one due reminder: the message, the reminder's icon centred
// on its place, OK and Snooze (a menu of delays). Enter is OK, Alt+S opens
// the snooze menu, and Escape or the close box answer as OK does. Brought to the front above other windows; plays the
// sound once, 250 ms after it is first drawn, without waiting for it.
class CReminderAlertDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kSoundDelayMs = 250;
    static constexpr char kCaption[] = QT_TRANSLATE_NOOP("CReminderAlertDlg", "Kestrelmark Reminder");

    explicit CReminderAlertDlg(QWidget *parent = nullptr);

    // What to play: a file path (empty when none) or the system alias.
    struct SoundChoice
    {
        QString m_File;
        QString m_Alias;
    };
    // The reminder's own sound, else the default sound, through the path
    // rule; with neither, the system sound "SystemQuestion".
    static SoundChoice ChooseSound(const QString &reminderSound, const QString &defaultSound, const QString &soundFolder);

    // Top-left corner of the 32 x 32 icon: centred on the placeholder.
    QPoint IconOrigin() const;
    QRect IconPlaceholder() const { return m_placeholder; }
    QLabel *MessageLabel() const { return m_messageLabel; }
    QPushButton *OkButton() const { return m_ok; }
    QPushButton *SnoozeButton() const { return m_snooze; }
    QMenu *SnoozeMenu() const { return m_snoozeMenu; }

    // The user's answer; the dialog closes. Only the first answer counts.
    void AnswerOk();
    void AnswerSnooze(int minutes);
    bool IsAnswered() const { return m_answered; }
    // Escape and the close box.
    void reject() override;

    int exec() override;
    // Plays the sound now if it has not played yet (the timer's work).
    void PlaySoundOnce();

    int m_SoundPlayed = 0;
    QString m_SoundFileName;
    QString m_Message;
    int m_IconNumber = 0;
    // The answer: 0 for OK, else the snooze's minutes.
    int m_SnoozeMinutes = 0;
    // The delay the snooze menu offers first (the last one chosen).
    int m_DefaultSnoozeMinutes = 10;
    // Filled in by the caller: the default sound setting and the folder
    // bare sound names are taken from, and where the icons come from.
    QString m_DefaultSound;
    QString m_SoundFolder;
    CIconSource m_Icons;

signals:
    // The user answered (m_SnoozeMinutes says how); never sent when the
    // alert goes with the program.
    void answered();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QRect m_placeholder;
    QRect m_frame;
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_snooze = nullptr;
    QMenu *m_snoozeMenu = nullptr;
    QBasicTimer m_soundTimer;
    bool m_answered = false;
};
