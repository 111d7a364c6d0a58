// What a screen reader and the keyboard find in each dialog: a name for
// every control that takes the keyboard, an underlined letter of its own
// for every button, and Tab in the order the eye reads.
#include "CEditorTestDoubles.h"

#include "dialogs/CDateRangeDlg.h"
#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CMnemonics.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CReminderAlertDlg.h"
#include "dialogs/CSyncAccountBox.h"
#include "model/CReminderList.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

// The path of every control a screen reader would land on without a name.
void FindUnnamed(QAccessibleInterface *node, const QString &path, int depth, QStringList &out)
{
    if (!node || depth > 8)
        return;
    const QAccessible::State s = node->state();
    if (s.focusable && !s.invisible && node->text(QAccessible::Name).remove(QLatin1Char('&')).trimmed().isEmpty())
        out << path;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        const QString name = child && child->object() ? child->object()->objectName() : QString::number(i);
        FindUnnamed(child, path + QLatin1Char('/') + name, depth + 1, out);
    }
}
QStringList Unnamed(QWidget *dialog)
{
    QStringList out;
    FindUnnamed(QAccessible::queryAccessibleInterface(dialog), dialog->objectName(), 0, out);
    return out;
}

// Letters taken by more than one control of the dialog (a button's own
// key counts as its letter).
QStringList Clashes(QWidget *dialog)
{
    std::map<QString, QStringList> owners;
    const auto note = [&owners](const QKeySequence &keys, const QString &who) {
        if (!keys.isEmpty())
            owners[keys.toString()] << who;
    };
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            note(b->shortcut(), b->text());
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            note(QKeySequence::mnemonic(g->title()), g->title());
        else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
            note(QKeySequence::mnemonic(l->text()), l->text());
    }
    QStringList clashes;
    for (const auto &[keys, who] : owners) {
        if (who.size() > 1)
            clashes << keys + QStringLiteral(": ") + who.join(QStringLiteral(", "));
    }
    return clashes;
}

// The focusable controls' object names in Tab order, from first.
QStringList TabRound(QWidget *first, int steps)
{
    QStringList names;
    QWidget *w = first;
    for (int i = 0; i < steps && w; ++i) {
        names << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w != first && !(w->focusPolicy() & Qt::TabFocus && !qobject_cast<QAbstractSpinBox *>(w->parentWidget())));
    }
    return names;
}

void Expose(QWidget &w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
}

} // namespace

TEST(DialogsByKeys, EditorNamesEveryControlEachIconAndPlay)
{
    CEditorFixture fx;
    CNewEventDlg dlg(fx.m_context);
    dlg.m_Date = COleDateTime(2027, 3, 14, 9, 0, 0);
    dlg.m_Type = 0;
    Expose(dlg);
    EXPECT_EQ(Unnamed(&dlg), QStringList());
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(dlg.findChild<QWidget *>(QStringLiteral("iconList")));
    ASSERT_NE(list, nullptr);
    bool sawIcon = false;
    for (int i = 0; i < list->childCount() && !sawIcon; ++i) {
        if (list->child(i)->role() == QAccessible::ListItem) {
            EXPECT_EQ(list->child(i)->text(QAccessible::Name), fx.m_icons.Name(dlg.OfferedIcons().first()));
            sawIcon = true;
        }
    }
    EXPECT_TRUE(sawIcon);
    auto *play = dlg.findChild<QAbstractButton *>(QStringLiteral("play"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(play)->text(QAccessible::Name), "Play");
}

TEST(DialogsByKeys, EditorButtonsHaveLettersOfTheirOwnAndTabFollowsTheColumns)
{
    CEditorFixture fx;
    CNewEventDlg dlg(fx.m_context);
    dlg.m_Date = COleDateTime(2027, 3, 14, 9, 0, 0);
    Expose(dlg);
    EXPECT_EQ(Clashes(&dlg), QStringList());
    for (const char *name : { "ok", "cancel", "play", "chooseSound", "customSound" })
        EXPECT_FALSE(dlg.findChild<QAbstractButton *>(QString::fromLatin1(name))->shortcut().isEmpty()) << name;
    const QStringList round = TabRound(dlg.findChild<QWidget *>(QStringLiteral("hour")), 19);
    EXPECT_EQ(round.mid(10), (QStringList { "advanceMinutes", "customSound", "chooseSound", "play", "iconList", "addIcon",
                                            "message", "ok", "cancel" }));
}

TEST(DialogsByKeys, OptionsNamedLetteredAndTabbedThroughTheAccountBeforeOk)
{
    CEditorFixture fx;
    COptionsDlg dlg(fx.m_context);
    dlg.AddSyncAccount(new CSyncAccountBox({}));
    Expose(dlg);
    dlg.activateWindow();
    EXPECT_EQ(Unnamed(&dlg), QStringList());
    EXPECT_EQ(Clashes(&dlg), QStringList());
    for (const char *name : { "ok", "cancel", "soundFile", "browse" })
        EXPECT_FALSE(dlg.findChild<QAbstractButton *>(QString::fromLatin1(name))->shortcut().isEmpty()) << name;
    EXPECT_EQ(dlg.focusWidget(), dlg.findChild<QWidget *>(QStringLiteral("days")));
    const QStringList round = TabRound(dlg.findChild<QWidget *>(QStringLiteral("notifications")), 4);
    EXPECT_EQ(round.mid(0, 2), (QStringList { "notifications", "syncUrl" }));
    const QStringList tail = TabRound(dlg.findChild<QWidget *>(QStringLiteral("syncDetails")), 3);
    EXPECT_EQ(tail, (QStringList { "syncDetails", "ok", "cancel" }));
}

TEST(DialogsByKeys, RangeAndDayListAreNamedAndTheirButtonsLettered)
{
    CDateRangeDlg range;
    range.m_From = COleDateTime(2027, 1, 1, 0, 0, 0);
    range.m_To = COleDateTime(2027, 12, 31, 0, 0, 0);
    Expose(range);
    EXPECT_EQ(Unnamed(&range), QStringList());
    EXPECT_EQ(Clashes(&range), QStringList());
    for (const char *name : { "ok", "cancel" })
        EXPECT_FALSE(range.findChild<QAbstractButton *>(QString::fromLatin1(name))->shortcut().isEmpty()) << name;

    CEditorFixture fx;
    CReminderList reminders;
    const COleDateTime day(2027, 3, 14, 0, 0, 0);
    reminders.AddReminder(COleDateTime(2027, 3, 14, 9, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Builtin 4"),
                          QStringLiteral("No notice"), 0, false, QString(), false, CReminder::kDefaultDate);
    reminders.RebuildIndexes();
    fx.m_context.m_Reminders = &reminders;
    fx.m_context.m_SelectedDay = day;
    CEditRemindersDlg list(fx.m_context);
    list.m_ColumnTitle = QStringLiteral("Reminders for the day:");
    Expose(list);
    EXPECT_EQ(Unnamed(&list), QStringList());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(list.List())->text(QAccessible::Name), "Reminders of the day");
    EXPECT_EQ(list.List()->topLevelItem(0)->text(3), "");
    EXPECT_EQ(list.List()->topLevelItem(0)->data(3, Qt::AccessibleTextRole).toString(), "0 minutes");
}

TEST(DialogsByKeys, LettersAreGivenOncePerMenuAndKeptWhereSet)
{
    QString used = QStringLiteral("p");
    EXPECT_EQ(CMnemonics::Add(QStringLiteral("Print preview..."), used), "P&rint preview...");
    EXPECT_EQ(CMnemonics::Add(QStringLiteral("Fish && chips"), used), "&Fish && chips");
    EXPECT_EQ(CMnemonics::Add(QStringLiteral("&About"), used), "&About");
    EXPECT_EQ(used, "prfa");
    EXPECT_EQ(CMnemonics::Of(QStringLiteral("A && B")), QChar());

    CReminderAlertDlg alert;
    auto *snooze = alert.findChild<QMenu *>(QStringLiteral("snoozeMenu"));
    ASSERT_NE(snooze, nullptr);
    QString letters;
    for (const QAction *action : snooze->actions()) {
        const QChar letter = CMnemonics::Of(action->text());
        ASSERT_FALSE(letter.isNull()) << action->text().toStdString();
        EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
        letters += letter;
    }
}
