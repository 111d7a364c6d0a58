#include "dialogs/CNewEventDlg.h"

#include "dialogs/CDialogUnits.h"
#include "dialogs/CMnemonics.h"
#include "dialogs/CEditorIcons.h"
#include "dialogs/CIconChoiceList.h"
#include "dialogs/CIconPreview.h"
#include "dialogs/CIntegerField.h"
#include "dialogs/CMinuteSpinEdit.h"
#include "dialogs/CMnemonicFocus.h"
#include "dialogs/CNewEventForm.h"
#include "dialogs/CSkinBitmap.h"
#include "dialogs/CTwoStateButton.h"
#include "media/CSoundPlayer.h"
#include "graphics/BitmapResource.h"
#include "graphics/CMessageBox.h"
#include "model/CReminder.h"
#include "model/CTrace.h"

#include <QLocale>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

// Bitmap resources of the editor.
constexpr int kHowOftenDecoration = 551;
constexpr int kMessageDecoration = 552;
constexpr int kAddIconNormal = 553;
constexpr int kAddIconPressed = 554;
constexpr int kEditorPlayBitmap = 556;

QGroupBox *group(QWidget *parent, const QString &title, const QRect &du)
{
    auto *box = new QGroupBox(title, parent);
    box->setGeometry(du);
    return box;
}

// A decoration at the start of a group caption, where its leading blanks
// leave room. The artwork's corner colour is its background.
void decorate(QWidget *parent, QPixmap pixmap, const QRect &groupRect)
{
    if (pixmap.isNull())
        return;
    if (!pixmap.hasAlphaChannel())
        pixmap.setMask(pixmap.createMaskFromColor(pixmap.toImage().pixelColor(0, 0), Qt::MaskInColor));
    auto *label = new QLabel(parent);
    label->setPixmap(pixmap);
    const QSize s = pixmap.deviceIndependentSize().toSize();
    label->setGeometry(groupRect.left() + CDialogUnits::X(5), groupRect.top() + CDialogUnits::Y(4) - s.height() / 2,
                       s.width(), s.height());
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QPixmap artwork(int resource)
{
    CSkinBitmap bitmap(resource);
    if (bitmap.IsStandIn()) {
        Trace("LoadBitmap failed.\n");
        return QPixmap();
    }
    return bitmap.Pixmap();
}

CSpinEdit *spin(QWidget *parent, const QString &name, const QString &spoken, int low, int high, bool wrap, const QRect &du)
{
    auto *edit = new CSpinEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(spoken);
    edit->setRange(low, high);
    edit->setWrapping(wrap);
    edit->setGeometry(du);
    return edit;
}

QLabel *label(QWidget *parent, const QString &text, const QRect &du, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(du);
    l->setAlignment(align);
    return l;
}

} // namespace

CNewEventDlg::CNewEventDlg(const CEditorContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("CNewEventDlg"));
    setWindowTitle(tr("Reminder"));
    setFixedSize(CDialogUnits::X(307), CDialogUnits::Y(223));
    CreateControls();
}

CNewEventDlg::~CNewEventDlg() = default;

void CNewEventDlg::CreateControls()
{
    using U = CDialogUnits;

    // Time of day.
    const QRect timeBox = U::Rect(7, 3, 143, 38);
    QGroupBox *timeGroup = group(this, tr("&Time of day"), timeBox);
    // The clock of the user's locale: 1 to 12 with AM and PM, or 0 to 23.
    const bool twelveHour = CNewEventForm::TwelveHourClock(QLocale());
    m_hourEdit = spin(this, QStringLiteral("hour"), tr("Hour"), twelveHour ? 1 : 0, twelveHour ? 12 : 23, true,
                      U::Rect(15, 17, 30, 14));
    label(this, QStringLiteral(":"), U::Rect(46, 17, 5, 14), Qt::AlignCenter);
    m_minuteEdit = new CMinuteSpinEdit(this);
    m_minuteEdit->setObjectName(QStringLiteral("minute"));
    m_minuteEdit->setAccessibleName(tr("Minute"));
    m_minuteEdit->setGeometry(U::Rect(52, 17, 30, 14));
    m_pmGroup = new QButtonGroup(this);
    const QString ampm[] = { tr("&AM"), tr("&PM") };
    for (int i = 0; i < 2; ++i) {
        auto *radio = new QRadioButton(ampm[i], this);
        radio->setObjectName(i == 0 ? QStringLiteral("am") : QStringLiteral("pm"));
        radio->setGeometry(U::Rect(92, 12 + 13 * i, 50, 11));
        m_pmGroup->addButton(radio, i);
        radio->setVisible(twelveHour);
    }

    // How often.
    const QRect typeBox = U::Rect(7, 45, 143, 43);
    group(this, QStringLiteral("          ") + tr("How often?"), typeBox);
    decorate(this, artwork(kHowOftenDecoration), typeBox);
    m_typeGroup = new QButtonGroup(this);
    const char *types[] = { QT_TR_NOOP("&One-time"), QT_TR_NOOP("A&nnual"), QT_TR_NOOP("Mont&hly"), QT_TR_NOOP("&Weekly") };
    const char *typeNames[] = { "oneTime", "annual", "monthly", "weekly" };
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(tr(types[i]), this);
        radio->setObjectName(QString::fromLatin1(typeNames[i]));
        radio->setGeometry(U::Rect(15 + 66 * (i % 2), 58 + 14 * (i / 2), 62, 11));
        m_typeGroup->addButton(radio, i);
    }

    // Advance notice: each number with its word beneath.
    QGroupBox *advanceGroup = group(this, tr("Send reminder in ad&vance..."), U::Rect(7, 92, 143, 45));
    m_daysEdit = spin(this, QStringLiteral("advanceDays"), tr("Days in advance"), 0, 100, false, U::Rect(15, 105, 36, 14));
    m_hoursEdit = spin(this, QStringLiteral("advanceHours"), tr("Hours in advance"), 0, 23, false, U::Rect(58, 105, 36, 14));
    m_minutesEdit = spin(this, QStringLiteral("advanceMinutes"), tr("Minutes in advance"), 0, 59, false, U::Rect(101, 105, 36, 14));
    label(this, tr("days"), U::Rect(15, 121, 36, 10), Qt::AlignCenter);
    label(this, tr("hours"), U::Rect(58, 121, 36, 10), Qt::AlignCenter);
    //: Under the field of minutes in advance: short, the field is narrow.
    label(this, tr("mins."), U::Rect(101, 121, 36, 10), Qt::AlignCenter);

    // Icon choice, preview and "Add icon".
    const QRect iconBox = U::Rect(157, 3, 143, 108);
    QGroupBox *iconGroup = group(this, QStringLiteral("          ") + tr("Select &icon"), iconBox);
    m_iconList = new CIconChoiceList(m_context.m_Icons, this);
    m_iconList->setObjectName(QStringLiteral("iconList"));
    m_iconList->setAccessibleName(tr("Icon"));
    m_iconList->setGeometry(U::Rect(164, 16, 129, 58));
    m_preview = new CIconPreview(m_context.m_Icons, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setGeometry(U::Rect(164, 79, 30, 26));
    m_addIcon = new CTwoStateButton(this);
    m_addIcon->setObjectName(QStringLiteral("addIcon"));
    m_addIcon->setText(tr("New"));
    m_addIcon->setToolTip(tr("Add icon"));
    m_addIcon->setGeometry(U::Rect(253, 77, 40, 21));
    m_addIcon->setAccessibleName(tr("Add icon"));
    label(this, tr("A&dd icon"), U::Rect(246, 98, 54, 9), Qt::AlignCenter)->setBuddy(m_addIcon);

    // The message.
    const QRect messageBox = U::Rect(157, 114, 143, 82);
    QGroupBox *messageGroup = group(this, QStringLiteral("         ") + tr("Reminder &message to display"), messageBox);
    decorate(this, artwork(kMessageDecoration), messageBox);
    m_messageEdit = new QPlainTextEdit(this);
    m_messageEdit->setObjectName(QStringLiteral("message"));
    m_messageEdit->setAccessibleName(tr("Reminder message to display"));
    // The text area itself is what takes the keyboard: it goes by the same name.
    m_messageEdit->viewport()->setAccessibleName(m_messageEdit->accessibleName());
    m_messageEdit->setGeometry(U::Rect(164, 127, 129, 62));
    m_messageEdit->setTabChangesFocus(true);
    m_messageEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The reminder's own sound.
    const QRect soundBox = U::Rect(7, 140, 143, 56);
    group(this, QStringLiteral("           ") + tr("Sound"), soundBox);
    m_customSound = new QCheckBox(tr("Use custom &sound:"), this);
    m_customSound->setObjectName(QStringLiteral("customSound"));
    m_customSound->setGeometry(U::Rect(15, 153, 125, 11));
    m_chooseSound = new QPushButton(tr("&Choose sound..."), this);
    m_chooseSound->setObjectName(QStringLiteral("chooseSound"));
    m_chooseSound->setGeometry(U::Rect(15, 168, 102, 17));
    m_play = new QPushButton(this);
    m_play->setObjectName(QStringLiteral("play"));
    m_play->setGeometry(U::Rect(121, 168, 22, 17));
    // A picture only: its letter is a key of its own, told by its tip.
    m_play->setShortcut(QKeySequence(Qt::ALT | Qt::Key_L));
    m_play->setToolTip(tr("Play (%1)").arg(m_play->shortcut().toString(QKeySequence::NativeText)));
    m_play->setAccessibleName(tr("Play"));

    // The two groups without a picture of their own wear a small icon of
    // the library.
    if (CEditorIcons *icons = m_context.m_Icons) {
        const qreal ratio = ArtworkScale();
        decorate(this, icons->PictureFor(icons->Lookup(QStringLiteral("Star")), 1, ratio), iconBox);
        decorate(this, icons->PictureFor(icons->Lookup(QStringLiteral("Music")), 1, ratio), soundBox);
    }

    m_ok = new QPushButton(tr("O&K"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setGeometry(U::Rect(194, 203, 50, 14));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Canc&el"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setGeometry(U::Rect(250, 203, 50, 14));
    for (QPushButton *b : { m_chooseSound, m_play, m_cancel })
        b->setAutoDefault(false);

    // The keyboard order of the controls: down the left column, then down
    // the right one, then the buttons.
    QWidget *order[] = { m_hourEdit, m_minuteEdit, m_pmGroup->button(0), m_pmGroup->button(1),
                         m_typeGroup->button(0), m_typeGroup->button(1), m_typeGroup->button(2), m_typeGroup->button(3),
                         m_daysEdit, m_hoursEdit, m_minutesEdit, m_customSound, m_chooseSound, m_play,
                         m_iconList, m_addIcon, m_messageEdit, m_ok, m_cancel };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    CMnemonicFocus::Attach(timeGroup, m_hourEdit);
    CMnemonicFocus::Attach(advanceGroup, m_daysEdit);
    CMnemonicFocus::Attach(iconGroup, m_iconList);
    CMnemonicFocus::Attach(messageGroup, m_messageEdit);
    // Return makes a new line in the message: Ctrl+Return is OK from anywhere.
    for (const QKeySequence keys : { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) })
        connect(new QShortcut(keys, this), &QShortcut::activated, m_ok, &QPushButton::click);

    connect(m_ok, &QPushButton::clicked, this, &CNewEventDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CNewEventDlg::reject);
    connect(m_iconList, &QListWidget::itemSelectionChanged, this, &CNewEventDlg::OnIconSelectionChanged);
    connect(m_addIcon, &QAbstractButton::clicked, this, &CNewEventDlg::OnAddIcon);
    connect(m_chooseSound, &QPushButton::clicked, this, &CNewEventDlg::OnChooseSound);
    connect(m_play, &QPushButton::clicked, this, &CNewEventDlg::OnPlay);
}

void CNewEventDlg::LoadReminder(const CReminder &r)
{
    m_Date = r.m_DateTime;
    m_Type = r.m_Recurrence;
    m_AdvanceNotice = r.m_AdvanceNotice;
    m_Message = r.m_Message;
    m_IconName = r.m_IconName;
    m_Private = r.m_Private;
    m_SoundFileName = r.m_SoundFileName;
}

void CNewEventDlg::StoreReminder(CReminder &r) const
{
    r.m_DateTime = m_Date;
    r.m_Recurrence = static_cast<quint16>(m_Type);
    r.m_AdvanceNotice = m_AdvanceNotice;
    r.m_Message = m_Message;
    r.m_IconName = m_IconName;
    r.m_IconNumber = static_cast<quint16>(m_IconNumber);
    r.m_Private = m_Private;
    r.m_SoundFileName = m_SoundFileName;
    r.ResetShown();
}

void CNewEventDlg::showEvent(QShowEvent *event)
{
    if (!m_initialised)
        OnInitDialog();
    QDialog::showEvent(event);
}

void CNewEventDlg::OnInitDialog()
{
    m_initialised = true;
    Trace(QStringLiteral("IconNumber = %1\n").arg(m_IconNumber));
    Trace(QStringLiteral("IconName = ") + m_IconName + QLatin1Char('\n'));

    CEditorIcons *icons = m_context.m_Icons;
    if (icons) {
        icons->ImportIcons();
        m_openingGeneration = icons->Generation();
        m_IconNumber = icons->Lookup(m_IconName);
    } else {
        m_IconNumber = 0;
    }

    m_caption = CNewEventForm::Caption(m_Date);
    setWindowTitle(m_caption);

    const CNewEventForm::Opening opening =
        CNewEventForm::Open(m_Date, m_AdvanceNotice, CNewEventForm::TwelveHourClock(QLocale()));
    m_PM = opening.m_PM;
    m_Hour = opening.m_Hour;
    m_Minute = opening.m_Minute;
    m_AdvanceNotice = opening.m_AdvanceNotice;
    m_AdvanceDays = opening.m_AdvanceDays;
    m_AdvanceHours = opening.m_AdvanceHours;
    m_AdvanceMinutes = opening.m_AdvanceMinutes;

    FillIconList();

    // The members into the controls.
    m_hourEdit->setValue(m_Hour);
    m_minuteEdit->setValueText(QStringLiteral("%1").arg(m_Minute, 2, 10, QLatin1Char('0')));
    m_daysEdit->setValue(m_AdvanceDays);
    m_hoursEdit->setValue(m_AdvanceHours);
    m_minutesEdit->setValue(m_AdvanceMinutes);
    if (QAbstractButton *b = m_pmGroup->button(m_PM))
        b->setChecked(true);
    if (QAbstractButton *b = m_typeGroup->button(m_Type))
        b->setChecked(true);
    m_messageEdit->setPlainText(m_Message);
    UpdateSoundCaption();

    SelectIcon(m_IconNumber);
    m_customSound->setChecked(!m_SoundFileName.isEmpty());

    Trace("Loading BUTTON BITMAP...\n");
    m_addIcon->Load(kAddIconNormal, kAddIconPressed);
    CSkinBitmap play(kEditorPlayBitmap);
    if (!play.IsStandIn() && !play.Pixmap().isNull()) {
        m_play->setIcon(QIcon(play.Pixmap()));
        m_play->setIconSize(play.Size());
    } else {
        Trace("LoadBitmap failed.\n");
        m_play->setText(QStringLiteral(">"));
        m_play->setShortcut(QKeySequence(Qt::ALT | Qt::Key_L));
    }

    m_messageEdit->setFocus();
}

QList<int> CNewEventDlg::OfferedIcons() const { return m_iconList->Numbers(); }

void CNewEventDlg::FillIconList()
{
    const int count = m_context.m_Icons ? m_context.m_Icons->Count() : 0;
    // Emptying the list is no choice of the user's: m_IconNumber stays.
    const QSignalBlocker block(m_iconList);
    m_iconList->Fill(CNewEventForm::IconItems(count, m_IconNumber, m_context.m_HiddenIconUnlocked));
}

void CNewEventDlg::SelectIcon(int number)
{
    const QSignalBlocker block(m_iconList);
    m_iconList->SelectNumber(number);
    m_preview->SetIconNumber(m_IconNumber);
}

void CNewEventDlg::OnIconSelectionChanged()
{
    const int selected = m_iconList->SelectedNumber();
    m_IconNumber = selected < 0 ? 0 : selected;
    m_preview->SetIconNumber(m_IconNumber);
}

void CNewEventDlg::UpdateSoundCaption()
{
    const QString caption = CNewEventForm::SoundCaption(m_SoundFileName);
    const QFontMetrics metrics(m_chooseSound->font());
    const int room = m_chooseSound->width() - 12;
    // The caption is a file name, shown as it is (an ampersand too); the
    // button keeps its letter whatever the name.
    QString shown = metrics.elidedText(caption, Qt::ElideMiddle, room);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    //: The same text as "(Click to choose sound)", with the button's Alt letter marked by &.
    const QString prompt = tr("(&Click to choose sound)");
    if (m_SoundFileName.isEmpty())
        shown = CMnemonics::FitText(metrics, prompt, room);
    m_chooseSound->setText(shown);
    // The button keeps its letter (the language's) whatever the file's name.
    const QKeySequence keys = QKeySequence::mnemonic(prompt);
    m_chooseSound->setShortcut(keys);
    m_chooseSound->setAccessibleName(tr("Choose sound"));
    m_chooseSound->setAccessibleDescription(caption);
    m_chooseSound->setToolTip(m_SoundFileName.isEmpty() ? QString()
                                                        : QStringLiteral("%1 (%2)").arg(m_SoundFileName, keys.toString(QKeySequence::NativeText)));
}

void CNewEventDlg::OnChooseSound()
{
    const QString path = m_context.ChooseFile(this, tr("Choose sound"), m_SoundFileName,
                                              tr(".WAV sound files (*.wav *.WAV)"), QStringLiteral("wav"));
    if (path.isEmpty())
        return;
    m_SoundFileName = path;
    m_customSound->setChecked(true);
    UpdateSoundCaption();
}

void CNewEventDlg::OnPlay()
{
    if (m_SoundFileName.isEmpty() || !m_context.m_Sound)
        return;
    m_context.m_Sound->PlayFile(CSoundPlayer::ResolveSoundName(m_SoundFileName, m_context.SoundsFolder()));
}

void CNewEventDlg::OnAddIcon()
{
    const QString chosen = m_context.ChooseFile(this, tr("Add icon"), QString(),
                                                tr("Windows icons (*.ico *.ICO)"), QStringLiteral("ico"));
    if (chosen.isEmpty())
        return;
    const QString folder = m_context.IconsFolder();
    QDir().mkpath(folder);
    const QString name = QFileInfo(chosen).fileName();
    const QString target = folder + QLatin1Char('/') + name;
    // A file of that name already in the folder is kept and used.
    bool copied = false;
    if (!QFileInfo::exists(target))
        copied = QFile::copy(chosen, target);

    CEditorIcons *icons = m_context.m_Icons;
    if (!icons)
        return;
    icons->ImportIcons();
    if (!icons->Holds(name)) {
        // Rather than give the reminder the emblem in its place, say so and
        // keep the choice the user had.
        if (copied)
            QFile::remove(target);
        CMessageBox::Show(tr("Sorry, \"%1\" could not be read as an icon.  "
                             "Please choose an icon file that holds a 32 x 32 picture.").arg(name),
                          CMessageSink::Ok, CMessageSink::Warning);
        FillIconList();
        SelectIcon(m_IconNumber);
        return;
    }
    m_IconName = name;
    m_IconNumber = icons->Lookup(name);
    FillIconList();
    SelectIcon(m_IconNumber);
}

void CNewEventDlg::FocusField(int field)
{
    CSpinEdit *edits[] = { nullptr, m_daysEdit, m_hoursEdit, m_minutesEdit, m_hourEdit, m_minuteEdit };
    if (field <= 0 || field >= static_cast<int>(std::size(edits)))
        return;
    edits[field]->setFocus();
    edits[field]->selectAll();
}

void CNewEventDlg::accept()
{
    CNewEventForm::Fields f;
    f.m_Date = m_Date;
    f.m_Caption = m_caption;
    f.m_HourText = m_hourEdit->valueText();
    f.m_MinuteText = m_minuteEdit->valueText();
    f.m_DaysText = m_daysEdit->valueText();
    f.m_HoursText = m_hoursEdit->valueText();
    f.m_MinutesText = m_minutesEdit->valueText();
    f.m_PM = !m_pmGroup->button(0)->isVisibleTo(this) ? CNewEventForm::kNoPM : m_pmGroup->checkedId() == 1 ? 1 : 0;
    // With no recurrence button set the reminder keeps the one it came with.
    f.m_Type = m_typeGroup->checkedId() >= 0 ? m_typeGroup->checkedId() : m_Type;
    f.m_Message = m_messageEdit->toPlainText();
    f.m_CustomSound = m_customSound->isChecked();
    f.m_SoundFileName = m_SoundFileName;
    f.m_SelectedIcon = m_iconList->SelectedNumber();
    f.m_IconCount = m_context.m_Icons ? m_context.m_Icons->Count() : 0;

    const CNewEventForm::Result r = CNewEventForm::Validate(f);
    if (!r.IsAccepted()) {
        CMessageBox::Show(r.m_Prompt, CMessageSink::Ok, CMessageSink::Warning);
        FocusField(r.m_Field);
        return;
    }

    int value = 0;
    CIntegerField::Parse(f.m_DaysText, m_AdvanceDays);
    CIntegerField::Parse(f.m_HoursText, m_AdvanceHours);
    CIntegerField::Parse(f.m_MinutesText, m_AdvanceMinutes);
    if (CIntegerField::Parse(f.m_HourText, value))
        m_Hour = value;
    if (CIntegerField::Parse(f.m_MinuteText, value))
        m_Minute = value;
    m_PM = f.m_PM;
    m_Type = r.m_Type;
    m_SoundFileName = r.m_SoundFileName;
    m_IconNumber = r.m_IconNumber;
    m_IconName = m_context.m_Icons ? m_context.m_Icons->Name(m_IconNumber) : QString();
    m_Message = r.m_Message;
    m_Date = r.m_Date;
    m_AdvanceNotice = r.m_AdvanceNotice;
    QDialog::accept();
}
