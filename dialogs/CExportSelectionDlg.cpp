#include "dialogs/CExportSelectionDlg.h"

#include "graphics/CMessageBox.h"
#include "model/CReminderList.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumnWidths[3] = { 120, 130, 80 };

QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

CExportSelectionDlg::CExportSelectionDlg(CReminderList &list, QWidget *parent) : QDialog(parent), m_list(list)
{
    setObjectName(QStringLiteral("CExportSelectionDlg"));
    setWindowTitle(tr("Choose reminders to export as a Reminder Pack"));
    setModal(true);

    auto *layout = new QGridLayout(this);
    auto *intro = new QLabel(tr(
        "Share reminders with a friend!  Choose the reminders you want to export by moving them into the "
        "right-hand window.  Save to disk, or, if supported, email them to a friend!"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro, 0, 0, 1, 3);

    auto *leftBox = new QGroupBox(tr("C&urrent reminders"), this);
    auto *rightBox = new QGroupBox(tr("&Reminders to export:"), this);
    m_left = new QTreeWidget(leftBox);
    m_left->setAccessibleName(tr("Current reminders"));
    m_left->setObjectName(QStringLiteral("leftList"));
    m_right = new QTreeWidget(rightBox);
    m_right->setAccessibleName(tr("Reminders to export"));
    m_right->setObjectName(QStringLiteral("rightList"));
    (new QVBoxLayout(leftBox))->addWidget(m_left);
    (new QVBoxLayout(rightBox))->addWidget(m_right);
    SetUpList(m_left);
    SetUpList(m_right);

    auto *arrows = new QVBoxLayout;
    auto *add = makeButton(QStringLiteral("-->"), QStringLiteral("addButton"), this);
    auto *remove = makeButton(QStringLiteral("<--"), QStringLiteral("removeButton"), this);
    arrows->addStretch(1);
    arrows->addWidget(add);
    arrows->addWidget(remove);
    arrows->addStretch(1);

    layout->addWidget(leftBox, 1, 0);
    layout->addLayout(arrows, 1, 1);
    layout->addWidget(rightBox, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    auto *save = makeButton(tr("&Save..."), QStringLiteral("saveButton"), this);
    save->setDefault(true);
    auto *mail = makeButton(tr("&Mail to..."), QStringLiteral("mailButton"), this);
    auto *cancel = makeButton(tr("Cancel"), QStringLiteral("cancelButton"), this);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(mail);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 2, 0, 1, 3);

    connect(add, &QPushButton::clicked, this, &CExportSelectionDlg::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CExportSelectionDlg::OnRemove);
    connect(save, &QPushButton::clicked, this, &CExportSelectionDlg::OnSave);
    connect(mail, &QPushButton::clicked, this, &CExportSelectionDlg::OnMail);
    connect(cancel, &QPushButton::clicked, this, &CExportSelectionDlg::reject);
    // Queued: the move refills the list, which must not happen while the
    // view is still handling the click on one of its rows.
    connect(m_left, &QTreeWidget::itemDoubleClicked, this, &CExportSelectionDlg::OnAdd, Qt::QueuedConnection);
    connect(m_right, &QTreeWidget::itemDoubleClicked, this, &CExportSelectionDlg::OnRemove, Qt::QueuedConnection);

    // Wide enough for all three columns of both lists.
    for (QTreeWidget *view : { m_left, m_right })
        view->setMinimumWidth(view->columnWidth(0) + view->columnWidth(1) + view->columnWidth(2) + 24);
    add->setMaximumWidth(56);
    remove->setMaximumWidth(56);
    resize(minimumSizeHint().width(), 440);
}

QString CExportSelectionDlg::NothingToExportMessage()
{
    return tr("First, please select the reminders you want to export.");
}

QString CExportSelectionDlg::NothingToAddMessage()
{
    return tr("Please select one or more reminders to export first.");
}

QString CExportSelectionDlg::NothingToRemoveMessage()
{
    return tr("Please select one or more reminders to remove from the export list.");
}

QStringList CExportSelectionDlg::RowTexts(const CReminder &reminder)
{
    return { reminder.GetFlatMessage(), reminder.m_DateTime.Format(),
             CReminder::RecurrenceName(reminder.m_Recurrence) };
}

void CExportSelectionDlg::SetUpList(QTreeWidget *view)
{
    view->setColumnCount(3);
    view->setHeaderLabels({ tr("Reminders"), tr("Date"), tr("Type") });
    for (int c = 0; c < 3; ++c)
        view->setColumnWidth(c, kColumnWidths[c]);
    // Dates of the user's locale may be wider than the default column: the
    // widest date and time of the year shows in full.
    const QString widest = COleDateTime(2027, 9, 28, 23, 59, 59).Format();
    view->setColumnWidth(1, std::max(kColumnWidths[1], view->fontMetrics().horizontalAdvance(widest) + 16));
    view->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setIconSize(QSize(16, 16));
    view->setUniformRowHeights(true);
}

void CExportSelectionDlg::showEvent(QShowEvent *event)
{
    if (!m_initialised) {
        m_initialised = true;
        InitDialog();
    }
    QDialog::showEvent(event);
}

void CExportSelectionDlg::InitDialog()
{
    m_Selected.assign(static_cast<size_t>(m_list.GetSize()), 0);
    FillList(m_left, 0);
    m_right->clear();
    m_MailTo = 0;
}

void CExportSelectionDlg::FillList(QTreeWidget *view, unsigned char which)
{
    view->clear();
    const int n = std::min<int>(m_list.GetSize(), static_cast<int>(m_Selected.size()));
    for (int i = 0; i < n; ++i) {
        if (m_Selected[static_cast<size_t>(i)] != which)
            continue;
        CReminder &reminder = m_list[i];
        const int number = m_icons.Lookup(reminder.m_IconName);
        if (number >= 0)
            reminder.m_IconNumber = static_cast<quint16>(number);
        auto *item = new QTreeWidgetItem(RowTexts(reminder));
        // A message cut by its column can still be read in full.
        item->setToolTip(0, item->text(0));
        const QImage small = number >= 0 ? m_icons.Small(number) : QImage();
        if (!small.isNull())
            item->setIcon(0, QIcon(QPixmap::fromImage(small)));
        item->setData(0, Qt::UserRole, i);
        view->addTopLevelItem(item);
    }
}

void CExportSelectionDlg::FillBoth()
{
    FillList(m_left, 0);
    FillList(m_right, 1);
}

bool CExportSelectionDlg::MoveSelected(QTreeWidget *from, unsigned char to)
{
    const QList<QTreeWidgetItem *> chosen = from->selectedItems();
    if (chosen.isEmpty())
        return false;
    for (const QTreeWidgetItem *item : chosen) {
        const int index = item->data(0, Qt::UserRole).toInt();
        if (index >= 0 && index < static_cast<int>(m_Selected.size()))
            m_Selected[static_cast<size_t>(index)] = to;
    }
    FillBoth();
    return true;
}

void CExportSelectionDlg::OnAdd()
{
    if (!MoveSelected(m_left, 1))
        CMessageBox::Show(NothingToAddMessage(), CMessageSink::Ok, CMessageSink::Warning);
}

void CExportSelectionDlg::OnRemove()
{
    if (!MoveSelected(m_right, 0))
        CMessageBox::Show(NothingToRemoveMessage(), CMessageSink::Ok, CMessageSink::Warning);
}

void CExportSelectionDlg::OnSave()
{
    if (m_right->topLevelItemCount() == 0) {
        CMessageBox::Show(NothingToExportMessage(), CMessageSink::Ok, CMessageSink::Warning);
        return;
    }
    accept();
}

void CExportSelectionDlg::OnMail()
{
    if (m_right->topLevelItemCount() == 0) {
        CMessageBox::Show(NothingToExportMessage(), CMessageSink::Ok, CMessageSink::Warning);
        return;
    }
    m_MailTo = 1;
    accept();
}
