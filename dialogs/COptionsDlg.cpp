#include "dialogs/COptionsDlg.h"

#include "dialogs/CDialogUnits.h"
#include "dialogs/CMnemonics.h"
#include "dialogs/COptionsForm.h"
#include "dialogs/CSyncAccountBox.h"
#include "dialogs/CSkinBitmap.h"
#include "media/CSoundPlayer.h"
#include "graphics/CMessageBox.h"
#include "model/CTrace.h"
#include "storage/CProgramSettings.h"
#include "storage/CSettingsStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kPlayBitmap = 556;
// Room for the browse hint whole in today's desktop fonts.
constexpr int kBrowseUnits = 186;

} // namespace

COptionsDlg::COptionsDlg(const CEditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("COptionsDlg"));
    setWindowTitle(tr("Options"));

    // Laid out rather than placed, so that nothing overlaps or is cut off
    // at any font size or screen density; the window takes the size its
    // contents need and the user cannot make it smaller.
    auto *upcoming = new QGroupBox(tr("Upcoming Reminders window"), this);
    auto *show = new QLabel(tr("&Show reminders for next"), upcoming);
    m_days = new QComboBox(upcoming);
    m_days->setObjectName(QStringLiteral("days"));
    m_days->setEditable(false);
    for (const int days : CProgramSettings::DayChoices())
        m_days->addItem(QString::number(days));
    show->setBuddy(m_days);
    auto *daysRow = new QHBoxLayout(upcoming);
    daysRow->addWidget(show);
    daysRow->addWidget(m_days);
    daysRow->addWidget(new QLabel(tr("days."), upcoming));
    daysRow->addStretch(1);

    auto *sound = new QGroupBox(tr("Reminder Alert Sound"), this);
    m_soundGroup = new QButtonGroup(this);
    auto *beep = new QRadioButton(tr("Use system &beep"), sound);
    beep->setObjectName(QStringLiteral("systemBeep"));
    auto *file = new QRadioButton(sound);
    file->setObjectName(QStringLiteral("soundFile"));
    file->setAccessibleName(tr("Use sound file"));
    // Without a text of its own the choice has a key of its own, told by its tip.
    file->setShortcut(QKeySequence(Qt::ALT | Qt::Key_L));
    file->setToolTip(tr("Use sound file (%1)").arg(file->shortcut().toString(QKeySequence::NativeText)));
    m_soundGroup->addButton(beep, 0);
    m_soundGroup->addButton(file, 1);
    m_browse = new QPushButton(sound);
    m_browse->setObjectName(QStringLiteral("browse"));
    m_browse->setAccessibleName(tr("Browse for a sound file"));
    m_browse->setMinimumWidth(CDialogUnits::X(kBrowseUnits));
    m_browse->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_play = new QPushButton(tr("&Play"), sound);
    m_play->setObjectName(QStringLiteral("play"));
    auto *soundGrid = new QGridLayout(sound);
    soundGrid->addWidget(beep, 0, 0, 1, 3, Qt::AlignLeft);
    soundGrid->addWidget(file, 1, 0);
    soundGrid->addWidget(m_browse, 1, 1);
    soundGrid->addWidget(m_play, 1, 2);
    soundGrid->setColumnStretch(1, 1);

    m_autostart = new QCheckBox(tr("S&tart Kestrelmark when I log in"), this);
    m_autostart->setObjectName(QStringLiteral("autostart"));
    m_notifications = new QCheckBox(tr("Also show alerts as desktop &notifications"), this);
    m_notifications->setObjectName(QStringLiteral("notifications"));

    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    for (QPushButton *b : { m_browse, m_play, m_cancel })
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    m_layout = new QVBoxLayout(this);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_layout->addWidget(upcoming);
    m_layout->addWidget(sound);
    m_layout->addWidget(m_autostart, 0, Qt::AlignLeft);
    m_layout->addWidget(m_notifications, 0, Qt::AlignLeft);
    m_layout->addSpacing(CDialogUnits::Y(4));
    m_layout->addLayout(buttons);

    QWidget *order[] = { m_days, beep, file, m_browse, m_play, m_autostart, m_notifications, m_ok, m_cancel };
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
    // A style sheet may draw the days box's arrow wider than the room its
    // size hint keeps, over the number's last digit ("3" for 30): two
    // digits more keep every choice whole.
    m_days->setMinimumWidth(m_days->sizeHint().width() + m_days->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    QDialog::showEvent(event);
}

void COptionsDlg::OnInitDialog()
{
    m_initialised = true;
    m_SoundFileName = m_context.m_Options ? m_context.m_Options->DefaultSound() : QString();
    m_UpcomingDays = m_context.m_Options ? m_context.m_Options->UpcomingDays() : CSettingsStore::kDefaultUpcomingDays;
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
    m_Notifications = m_context.m_Options ? m_context.m_Options->DesktopNotifications() : true;
    m_notifications->setChecked(m_Notifications);
    m_autostart->setEnabled(static_cast<bool>(m_context.m_SetAutostart));
    UpdateBrowseCaption();
    // The keyboard starts at the first control, and shows where it is.
    m_days->setFocus(Qt::TabFocusReason);
}

void COptionsDlg::UpdateBrowseCaption()
{
    const QString caption = COptionsForm::BrowseCaption(m_SoundFileName);
    const QFontMetrics metrics(m_browse->font());
    const int room = qMax(m_browse->width(), m_browse->minimumWidth()) - 12;
    // An ampersand in a file name is shown, not taken for a shortcut.
    QString shown = metrics.elidedText(caption, Qt::ElideMiddle, room);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    //: The same text as "(Click here to choose a .WAV sound file)", with the button's Alt letter marked by &.
    const QString prompt = tr("(Click here to choose a .WAV sound &file)");
    if (m_SoundFileName.isEmpty())
        shown = CMnemonics::FitText(metrics, prompt, room);
    m_browse->setText(shown);
    // The button keeps its letter (the language's) whatever the file's name.
    const QKeySequence keys = QKeySequence::mnemonic(prompt);
    m_browse->setShortcut(keys);
    m_browse->setToolTip(m_SoundFileName.isEmpty() ? QString()
                                                   : QStringLiteral("%1 (%2)").arg(m_SoundFileName, keys.toString(QKeySequence::NativeText)));
}

void COptionsDlg::OnBrowse()
{
    const QString path = m_context.ChooseFile(this, tr("Choose .WAV sound file"), m_SoundFileName,
                                              tr(".WAV sound files (*.wav *.WAV)"), QStringLiteral("wav"));
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
    m_sync = box;
    box->setParent(this);
    // Below the check boxes, above OK and Cancel.
    m_layout->insertWidget(m_layout->indexOf(m_notifications) + 1, box);
    // Its fields come between the check boxes and OK: the box itself takes
    // no focus, so the order runs through its fields in turn.
    QWidget *previous = m_notifications;
    for (QWidget *w : box->findChildren<QWidget *>()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, w);
            previous = w;
        }
    }
    setTabOrder(previous, m_ok);
    setTabOrder(m_ok, m_cancel);
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
    m_Notifications = m_notifications->isChecked();

    if (CProgramSettings *options = m_context.m_Options) {
        // Each is tried: one that cannot be kept does not stop the others.
        const bool days = options->SetUpcomingDays(m_UpcomingDays);
        const bool sound = options->SetDefaultSound(m_SoundFileName);
        const bool notifications = options->SetDesktopNotifications(m_Notifications);
        if (!days || !sound || !notifications)
            Trace("The options could not be written to the settings.\n");
    }
    if (m_Autostart != m_openedAutostart && m_context.m_SetAutostart && !m_context.m_SetAutostart(m_Autostart)) {
        CMessageBox::Show(m_Autostart ? tr("Sorry, Kestrelmark could not set itself to start when you log in.")
                                      : tr("Sorry, Kestrelmark could not stop itself from starting when you log in."),
                          CMessageSink::Ok, CMessageSink::Warning);
    }
    QDialog::accept();
}
