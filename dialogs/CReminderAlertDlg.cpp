#include "dialogs/CReminderAlertDlg.h"

#include "dialogs/CDialogUnits.h"
#include "dialogs/CMnemonics.h"
#include "dialogs/CWindowAttention.h"
#include "l10n/KmTranslate.h"
#include "media/CSoundPlayer.h"
#include "model/CSnooze.h"
#include "model/CTrace.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimerEvent>

CReminderAlertDlg::CReminderAlertDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr(kCaption));
    // Above the other windows of the desktop, on the workspace in use.
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(CDialogUnits::X(305), CDialogUnits::Y(139));

    m_frame = CDialogUnits::Rect(7, 7, 291, 97);
    m_placeholder = CDialogUnits::Rect(22, 39, 20, 20);

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("message"));
    m_messageLabel->setGeometry(CDialogUnits::Rect(53, 14, 233, 81));
    m_messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_messageLabel->setWordWrap(false);
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry(CDialogUnits::Rect(127, 118, 50, 14));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CReminderAlertDlg::AnswerOk);

    m_snooze = new QPushButton(tr("&Snooze"), this);
    m_snooze->setObjectName(QStringLiteral("snooze"));
    m_snooze->setGeometry(CDialogUnits::Rect(185, 118, 50, 14));
    m_snooze->setAutoDefault(false);
    m_snoozeMenu = new QMenu(m_snooze);
    m_snoozeMenu->setObjectName(QStringLiteral("snoozeMenu"));
    for (const CSnooze::Choice &choice : CSnooze::Choices()) {
        QAction *action = m_snoozeMenu->addAction(KmTranslate("CSnooze", choice.m_Label));
        action->setData(choice.m_Minutes);
        connect(action, &QAction::triggered, this, [this, minutes = choice.m_Minutes] { AnswerSnooze(minutes); });
    }
    // The last delay chosen is the one the menu opens on.
    connect(m_snoozeMenu, &QMenu::aboutToShow, this, [this] {
        const int index = CSnooze::IndexOfMinutes(m_DefaultSnoozeMinutes);
        m_snoozeMenu->setActiveAction(m_snoozeMenu->actions().value(index));
    });
    CMnemonics::Assign(m_snoozeMenu);
    m_snooze->setMenu(m_snoozeMenu);
}

void CReminderAlertDlg::AnswerOk() { AnswerSnooze(0); }

void CReminderAlertDlg::AnswerSnooze(int minutes)
{
    if (m_answered)
        return;
    m_answered = true;
    m_SnoozeMinutes = minutes;
    QDialog::accept();
    emit answered();
}

void CReminderAlertDlg::reject() { AnswerOk(); }

CReminderAlertDlg::SoundChoice CReminderAlertDlg::ChooseSound(const QString &reminderSound, const QString &defaultSound,
                                                              const QString &soundFolder)
{
    Trace(QStringLiteral("m_SoundFileName = ") + reminderSound + QLatin1Char('\n'));
    SoundChoice choice;
    const QString name = !reminderSound.isEmpty() ? reminderSound : defaultSound;
    if (name.isEmpty())
        choice.m_Alias = QStringLiteral("SystemQuestion");
    else
        choice.m_File = CSoundPlayer::ResolveSoundName(name, soundFolder);
    Trace(QStringLiteral("soundFile = ") + (choice.m_File.isEmpty() ? choice.m_Alias : choice.m_File) + QLatin1Char('\n'));
    return choice;
}

QPoint CReminderAlertDlg::IconOrigin() const
{
    return QPoint(m_placeholder.left() + m_placeholder.width() / 2 - 16,
                  m_placeholder.top() + m_placeholder.height() / 2 - 16);
}

int CReminderAlertDlg::exec()
{
    m_messageLabel->setText(m_Message);
    return QDialog::exec();
}

void CReminderAlertDlg::showEvent(QShowEvent *event)
{
    m_messageLabel->setText(m_Message);
    QDialog::showEvent(event);
    CWindowAttention::BringForward(this);
    m_ok->setFocus();
    // A screen reader says the message as the alert appears.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void CReminderAlertDlg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The etched frame around the icon and the text.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(m_frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(m_frame.adjusted(1, 1, 0, 0));

    const QImage icon = m_Icons.Large(m_IconNumber);
    if (!icon.isNull()) {
        // A 2x icon is scaled down smoothly on screens between 100 and 200 %.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(IconOrigin(), QSize(32, 32)), icon);
    }
    // Every paint restarts the wait; only the first firing plays.
    m_soundTimer.start(kSoundDelayMs, this);
}

void CReminderAlertDlg::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_soundTimer.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    m_soundTimer.stop();
    PlaySoundOnce();
}

void CReminderAlertDlg::PlaySoundOnce()
{
    if (m_SoundPlayed)
        return;
    m_SoundPlayed = 1;
    const SoundChoice choice = ChooseSound(m_SoundFileName, m_DefaultSound, m_SoundFolder);
    if (!choice.m_File.isEmpty())
        CSoundPlayer::Current().PlayFile(choice.m_File);
    else
        CSoundPlayer::Current().PlayAlias(choice.m_Alias);
}
