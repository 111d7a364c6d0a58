#include "dialogs/CEditRemindersDlg.h"

#include "dialogs/CDayListRows.h"
#include "dialogs/CDialogUnits.h"
#include "dialogs/CEditorIcons.h"
#include "dialogs/CNewEventDlg.h"
#include "graphics/CMessageBox.h"
#include "model/CReminderList.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int kNarrowColumn = 80;
constexpr int kWidthUnits = 340;

} // namespace

CEditRemindersDlg::CEditRemindersDlg(const CEditorContext &context, QWidget *parent)
    : QDialog(parent), m_context(context)
{
    using U = CDialogUnits;
    setObjectName(QStringLiteral("CEditRemindersDlg"));
    setWindowTitle(tr("Edit reminders"));
    // Wider than the 306 units it was drawn with, so that the heading and the
    // notice in words fit in today's desktop fonts.
    setFixedSize(U::X(kWidthUnits), U::Y(150));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("reminderList"));
    m_list->setAccessibleName(tr("Reminders of the day"));
    m_list->setGeometry(U::Rect(7, 7, kWidthUnits - 14, 115));
    m_list->setColumnCount(4);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setIconSize(QSize(16, 16));
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_new = new QPushButton(tr("&New"), this);
    m_new->setObjectName(QStringLiteral("new"));
    m_new->setGeometry(U::Rect(7, 129, 50, 14));
    m_edit = new QPushButton(tr("&Edit"), this);
    m_edit->setObjectName(QStringLiteral("edit"));
    m_edit->setGeometry(U::Rect(62, 129, 50, 14));
    m_delete = new QPushButton(tr("&Delete"), this);
    m_delete->setObjectName(QStringLiteral("delete"));
    m_delete->setGeometry(U::Rect(117, 129, 50, 14));
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setGeometry(U::Rect(kWidthUnits - 57, 129, 50, 14));
    // Close is the default; Return on a focused button presses that one.
    m_close->setDefault(true);
    for (QPushButton *b : { m_new, m_edit, m_delete, m_close })
        b->setAutoDefault(true);

    setTabOrder(m_list, m_new);
    setTabOrder(m_new, m_edit);
    setTabOrder(m_edit, m_delete);
    setTabOrder(m_delete, m_close);

    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_new, &QPushButton::clicked, this, &CEditRemindersDlg::OnNew);
    connect(m_edit, &QPushButton::clicked, this, &CEditRemindersDlg::OnEdit);
    connect(m_delete, &QPushButton::clicked, this, &CEditRemindersDlg::OnDelete);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
}

void CEditRemindersDlg::showEvent(QShowEvent *event)
{
    if (!m_initialised)
        OnInitDialog();
    QDialog::showEvent(event);
}

void CEditRemindersDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    SizeColumns();
}

void CEditRemindersDlg::SizeColumns()
{
    // Kind, time and notice are 80 pixels wide, or as wide as their longest
    // text needs; the message takes what they leave.
    const int room = m_list->viewport()->width();
    int fixed = 0;
    for (int c = 1; c < 4; ++c) {
        int width = std::max(kNarrowColumn, m_list->header()->sectionSizeHint(c));
        const QFontMetrics metrics(m_list->font());
        for (int row = 0; row < m_list->topLevelItemCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(m_list->topLevelItem(row)->text(c)) + 14);
        m_list->setColumnWidth(c, width);
        fixed += width;
    }
    m_list->setColumnWidth(0, std::max(kNarrowColumn + 40, room - fixed));
}

void CEditRemindersDlg::OnInitDialog()
{
    m_initialised = true;
    m_SelectedDay = m_context.m_SelectedDay;
    m_list->setHeaderLabels({ m_ColumnTitle, tr("Type"), tr("Time"), tr("Adv. time") });
    SizeColumns();
    FillList();
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
}

void CEditRemindersDlg::FillList()
{
    m_list->clear();
    CReminderList *reminders = m_context.m_Reminders;
    if (!reminders)
        return;
    const int count = reminders->GetRemindersOnDay(m_SelectedDay);
    // Copy the day's indexes out: looking icons up may not disturb them,
    // but the list's day result is shared with every other day query.
    QList<int> indexes;
    for (int i = 0; i < count; ++i)
        indexes.append(reminders->GetDayResult(i));
    CEditorIcons *icons = m_context.m_Icons;
    for (const int index : indexes) {
        if (index < 0 || index >= reminders->GetSize())
            continue;
        const CReminder &r = reminders->GetAt(index);
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, r.GetFlatMessage());
        if (icons) {
            const QIcon small = icons->IconFor(icons->Lookup(r.m_IconName), 1);
            if (!small.isNull())
                item->setIcon(0, small);
        }
        item->setData(0, Qt::UserRole, QVariant::fromValue(r.Id()));
        item->setText(1, CDayListRows::TypeText(r));
        item->setText(2, CDayListRows::TimeText(r));
        item->setText(3, CDayListRows::AdvanceNoticeWords(r.m_AdvanceNotice));
        // An empty cell says nothing to a screen reader: no notice is read as such.
        if (item->text(3).isEmpty())
            item->setData(3, Qt::AccessibleTextRole, tr("0 minutes"));
        for (int c = 0; c < 4; ++c)
            item->setToolTip(c, c == 0 ? r.m_Message : item->text(c));
    }
    SizeColumns();
}

int CEditRemindersDlg::GetSelectedReminder() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty() || !m_context.m_Reminders)
        return -1;
    return m_context.m_Reminders->IndexOf(selected.first()->data(0, Qt::UserRole).toULongLong());
}

void CEditRemindersDlg::OnNew()
{
    if (m_context.m_NewReminder)
        m_context.m_NewReminder();
    FillList();
}

void CEditRemindersDlg::OnEdit()
{
    const int index = GetSelectedReminder();
    CReminderList *reminders = m_context.m_Reminders;
    if (index < 0 || !reminders || index >= reminders->GetSize())
        return;
    const quint64 id = reminders->GetAt(index).Id();
    CNewEventDlg editor(m_context, this);
    // The sound goes to the editor and back, as the main window's edit
    // does, so editing from this list never drops it.
    editor.LoadReminder(reminders->GetAt(index));
    // Found again by id: the list may have moved while the editor ran.
    CReminder *target = nullptr;
    const bool accepted = editor.exec() == QDialog::Accepted && (target = reminders->Find(id)) != nullptr;
    if (accepted) {
        editor.StoreReminder(*target);
        // The kind, the date or the time may have changed: the list goes
        // back in order (the day queries rely on it) with its indexes.
        reminders->Sort();
    }
    int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    FillList();
    // The edited reminder stays selected wherever the new order put it.
    for (int r = 0; accepted && r < m_list->topLevelItemCount(); ++r) {
        if (m_list->topLevelItem(r)->data(0, Qt::UserRole).toULongLong() == id) {
            row = r;
            break;
        }
    }
    row = qMin(row, m_list->topLevelItemCount() - 1);
    if (row >= 0)
        m_list->setCurrentItem(m_list->topLevelItem(row));
    if (accepted && m_context.m_ListChanged)
        m_context.m_ListChanged();
}

void CEditRemindersDlg::OnDelete()
{
    const int index = GetSelectedReminder();
    CReminderList *reminders = m_context.m_Reminders;
    if (index < 0 || !reminders || index >= reminders->GetSize()) {
        CMessageBox::Show(CDayListRows::NothingSelectedMessage(), CMessageSink::Ok, CMessageSink::Information);
        return;
    }
    const quint64 id = reminders->GetAt(index).Id();
    const CMessageSink::Answer answer = CMessageBox::Show(CDayListRows::DeleteQuestion(reminders->GetAt(index)),
                                                          CMessageSink::YesNo, CMessageSink::Question);
    if (answer == CMessageSink::IdNo)
        return;
    // Found again by id: the list may have moved while the question was open.
    const int at = reminders->IndexOf(id);
    if (at >= 0 && reminders->Delete(at)) {
        // The day indexes hold positions: after a deletion they must be
        // rebuilt before the next day query reads them.
        reminders->RebuildIndexes();
        if (m_context.m_ListChanged)
            m_context.m_ListChanged();
    }
    FillList();
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}
