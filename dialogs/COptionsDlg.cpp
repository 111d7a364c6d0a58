#include "dialogs/COptionsDlg.h"

#include "dialogs/CDialogUnits.h"
#include "dialogs/COptionsForm.h"
#include "dialogs/CSyncAccountBox.h"
#include "dialogs/CSkinBitmap.h"
#include "media/CSoundPlayer.h"
#include "model/CMessageSink.h"
#include "model/CTrace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kPlayBitmap = 556;
// Wider than the 256 units it was drawn with, so that the browse hint fits
// whole in today's desktop fonts.
constexpr int kWidthUnits = 276;

} // namespace

COptionsDlg::COptionsDlg(const CEditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    using U = CDialogUnits;
    setObjectName(QStringLiteral("COptionsDlg"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(U::X(kWidthUnits), U::Y(139));

    (new QGroupBox(QStringLiteral("Upcoming Reminders window"), this))->setGeometry(U::Rect(7, 5, kWidthUnits - 14, 33));
    auto *show = new QLabel(QStringLiteral("Show reminders for next"), this);
    show->setGeometry(U::Rect(15, 18, 100, 13));
    m_days = new QComboBox(this);
    m_days->setObjectName(QStringLiteral("days"));
    m_days->setEditable(false);
    for (const int days : COptionsForm::DayChoices())
        m_days->addItem(QString::number(days));
    m_days->setGeometry(U::Rect(117, 17, 36, 14));
    show->setBuddy(m_days);
    auto *daysLabel = new QLabel(QStringLiteral("days."), this);
    daysLabel->setGeometry(U::Rect(157, 18, 30, 13));

    (new QGroupBox(QStringLiteral("Reminder Alert Sound"), this))->setGeometry(U::Rect(7, 42, kWidthUnits - 14, 52));
    m_soundGroup = new QButtonGroup(this);
    auto *beep = new QRadioButton(QStringLiteral(" Use system beep"), this);
    beep->setObjectName(QStringLiteral("systemBeep"));
    beep->setGeometry(U::Rect(15, 55, 120, 11));
    auto *file = new QRadioButton(this);
    file->setObjectName(QStringLiteral("soundFile"));
    file->setAccessibleName(QStringLiteral("Use sound file"));
    file->setGeometry(U::Rect(15, 73, 11, 11));
    m_soundGroup->addButton(beep, 0);
    m_soundGroup->addButton(file, 1);
    m_browse = new QPushButton(QStringLiteral("Browse..."), this);
    m_browse->setObjectName(QStringLiteral("browse"));
    m_browse->setGeometry(U::Rect(29, 70, kWidthUnits - 90, 17));
    m_play = new QPushButton(QStringLiteral("Play"), this);
    m_play->setObjectName(QStringLiteral("play"));
    m_play->setGeometry(U::Rect(kWidthUnits - 57, 70, 42, 17));

    m_autostart = new QCheckBox(QStringLiteral("Start Kestrelmark when I log in"), this);
    m_autostart->setObjectName(QStringLiteral("autostart"));
    m_autostart->setGeometry(U::Rect(10, 99, 235, 11));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry(U::Rect(kWidthUnits - 113, 118, 50, 14));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(U::Rect(kWidthUnits - 57, 118, 50, 14));
    for (QPushButton *b : { m_browse, m_play, m_cancel })
        b->setAutoDefault(false);

    QWidget *order[] = { m_days, beep, file, m_browse, m_play, m_autostart, m_ok, m_cancel };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_ok, &QPushButton::clicked, this, &COptionsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &COptionsDlg::reject);
    connect(m_browse, &QPushButton::clicked, this, &COptionsDlg::OnBrowse);
    connect(m_play, &QPushButton::clicked, this, &COptionsDlg::OnPlay);
}

void COptionsDlg::showEvent(QShowEvent *event)
{
    if (!m_initialised)
        OnInitDialog();
    QDialog::showEvent(event);
}

void COptionsDlg::OnInitDialog()
{
    m_initialised = true;
    m_SoundFileName = m_context.m_DefaultSound ? *m_context.m_DefaultSound : QString();
    m_UpcomingDays = m_context.m_UpcomingDays ? *m_context.m_UpcomingDays : 30;
    m_openedDays = m_UpcomingDays;
    m_SoundChoice = m_SoundFileName.isEmpty() ? 0 : 1;
    m_DaysIndex = COptionsForm::DaysIndex(m_UpcomingDays);
    m_Autostart = m_openedAutostart = m_context.m_AutostartEnabled ? m_context.m_AutostartEnabled() : false;

    CSkinBitmap play(kPlayBitmap);
    if (!play.IsStandIn() && !play.Pixmap().isNull()) {
        m_play->setIcon(QIcon(play.Pixmap()));
        m_play->setIconSize(play.Size());
    } else {
        Trace("LoadBitmap failed.\n");
    }

    m_days->setCurrentIndex(m_DaysIndex);
    if (QAbstractButton *b = m_soundGroup->button(m_SoundChoice))
        b->setChecked(true);
    m_autostart->setChecked(m_Autostart);
    m_autostart->setEnabled(static_cast<bool>(m_context.m_SetAutostart));
    UpdateBrowseCaption();
}

void COptionsDlg::UpdateBrowseCaption()
{
    const QString caption = COptionsForm::BrowseCaption(m_SoundFileName);
    const QFontMetrics metrics(m_browse->font());
    m_browse->setText(metrics.elidedText(caption, Qt::ElideMiddle, m_browse->width() - 12));
    m_browse->setToolTip(m_SoundFileName);
}

void COptionsDlg::OnBrowse()
{
    const QString path = m_context.ChooseFile(this, QStringLiteral("Choose .WAV sound file"), m_SoundFileName,
                                              QStringLiteral(".WAV sound files (*.wav *.WAV)"), QStringLiteral("wav"));
    if (path.isEmpty())
        return;
    m_SoundFileName = path;
    UpdateBrowseCaption();
    // The file choice shows at once; the days the user picked meanwhile stay.
    m_SoundChoice = 1;
    m_soundGroup->button(1)->setChecked(true);
}

void COptionsDlg::OnPlay()
{
    // The file plays even while the system beep is chosen.
    if (m_SoundFileName.isEmpty() || !m_context.m_Sound)
        return;
    m_context.m_Sound->PlayFile(CSoundPlayer::ResolveSoundName(m_SoundFileName, m_context.SoundsFolder()));
}

void COptionsDlg::AddSyncAccount(CSyncAccountBox *box)
{
    using U = CDialogUnits;
    m_sync = box;
    box->setParent(this);
    const int top = U::Y(116);
    const int height = box->sizeHint().height();
    box->setGeometry(U::X(7), top, U::X(kWidthUnits - 14), height);
    const int shift = height + U::Y(4);
    for (QPushButton *b : { m_ok, m_cancel })
        b->move(b->x(), b->y() + shift);
    setFixedSize(width(), U::Y(139) + shift);
    setTabOrder(m_autostart, box);
    setTabOrder(box, m_ok);
    box->show();
}

void COptionsDlg::accept()
{
    if (m_sync && !m_sync->apply())
        return;
    m_DaysIndex = m_days->currentIndex();
    m_SoundChoice = m_soundGroup->checkedId();
    m_UpcomingDays = COptionsForm::ChosenDays(m_DaysIndex, m_openedDays);
    m_SoundFileName = COptionsForm::ChosenSound(m_SoundChoice, m_SoundFileName);
    m_Autostart = m_autostart->isChecked();

    if (m_context.m_UpcomingDays)
        *m_context.m_UpcomingDays = m_UpcomingDays;
    if (m_context.m_DefaultSound)
        *m_context.m_DefaultSound = m_SoundFileName;
    if (m_context.m_WriteProfileString) {
        m_context.m_WriteProfileString(QStringLiteral("Options"), QStringLiteral("UpcomingReminderDays"),
                                       QString::number(m_UpcomingDays));
        m_context.m_WriteProfileString(QStringLiteral("Options"), QStringLiteral("ReminderSoundFile"), m_SoundFileName);
    }
    if (m_Autostart != m_openedAutostart && m_context.m_SetAutostart && !m_context.m_SetAutostart(m_Autostart)) {
        CMessageBox::Show(m_Autostart ? QStringLiteral("Sorry, Kestrelmark could not set itself to start when you log in.")
                                      : QStringLiteral("Sorry, Kestrelmark could not stop itself from starting when you log in."),
                          CMessageSink::Ok, CMessageSink::Warning);
    }
    QDialog::accept();
}
