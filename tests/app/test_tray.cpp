// The tray menu: the window-menu entries in their order, only those whose
// command is handled, framed by "Show Kestrelmark" and "Close Kestrelmark".
#include "AppFixture.h"

#include "app/CCommandIds.h"
#include "app/CTrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

namespace {
QStringList Texts(const std::vector<CTrayIcon::Entry> &entries)
{
    QStringList texts;
    for (const auto &e : entries)
        texts << (e.m_Command ? QString::fromLatin1(e.m_Text) : QStringLiteral("-"));
    return texts;
}
} // namespace

TEST(TrayMenu, AllEntriesInTheirOrder)
{
    const auto all = CTrayIcon::VisibleEntries(CTrayIcon::SystemMenuEntries(), [](int) { return true; });
    EXPECT_EQ(Texts(all), (QStringList { QStringLiteral("Print reminders..."), QStringLiteral("Print preview..."),
                                         QStringLiteral("Delete range of reminders..."),
                                         QStringLiteral("Recover reminders from weekly backup..."),
                                         QStringLiteral("Export reminders..."), QStringLiteral("Toggle interface sounds on/off"),
                                         QStringLiteral("-"), QStringLiteral("Options..."), QStringLiteral("Help"),
                                         QStringLiteral("-"), QStringLiteral("&About Kestrelmark...") }));
    EXPECT_EQ(all[0].m_Command, KmCommand::Print);
    EXPECT_EQ(all[1].m_Command, KmCommand::PrintPreview);
    EXPECT_EQ(all[3].m_Command, KmCommand::Recover);
    EXPECT_EQ(all.back().m_Command, KmCommand::About);
}

TEST(TrayMenu, UnhandledEntriesAndTheirSeparatorsGo)
{
    const auto some = CTrayIcon::VisibleEntries(CTrayIcon::SystemMenuEntries(),
                                                [](int id) { return id == KmCommand::Help || id == KmCommand::About; });
    EXPECT_EQ(Texts(some), (QStringList { QStringLiteral("Help"), QStringLiteral("-"), QStringLiteral("&About Kestrelmark...") }));
    EXPECT_TRUE(CTrayIcon::VisibleEntries(CTrayIcon::SystemMenuEntries(), [](int) { return false; }).empty());
}

TEST_F(AppFixture, TheTrayMenuRunsTheWindowsCommands)
{
    COrvantis2Dlg &dlg = Window();
    CTrayIcon *tray = Control<CTrayIcon>("trayIcon");
    ASSERT_NE(tray, nullptr);
    tray->RebuildMenu();
    const QList<QAction *> actions = tray->Menu()->actions();
    ASSERT_GE(actions.size(), 3);
    EXPECT_EQ(actions.first()->text(), QStringLiteral("Show Kestrelmark"));
    EXPECT_EQ(actions.last()->text(), QStringLiteral("Close Kestrelmark"));
    QAction *toggle = nullptr;
    for (QAction *a : actions) {
        if (a->data().toInt() == KmCommand::ToggleSounds)
            toggle = a;
        // Every entry shown has a command behind it.
        if (!a->isSeparator() && a->data().isValid()) {
            EXPECT_TRUE(dlg.Commands().Contains(a->data().toInt())) << a->text().toStdString();
        }
    }
    ASSERT_NE(toggle, nullptr);
    // Importing, as on the window's menus, right after exporting.
    const auto exporting = std::find_if(actions.begin(), actions.end(),
                                        [](QAction *a) { return a->data().toInt() == KmCommand::Export; });
    ASSERT_NE(exporting + 1, actions.end());
    EXPECT_EQ((*(exporting + 1))->text(), QStringLiteral("Import reminders..."));
    EXPECT_EQ((*(exporting + 1))->data().toInt(), KmCommand::Import);
    EXPECT_EQ(actions[1]->text(), QStringLiteral("New reminder..."));
    EXPECT_EQ(actions[1]->data().toInt(), KmCommand::NewReminder);
    toggle->trigger();
    EXPECT_FALSE(m_app->InterfaceSounds());
    EXPECT_FALSE(Session().ListHeld());

    dlg.hide();
    actions.first()->trigger();
    EXPECT_TRUE(dlg.isVisible());
}

TEST(TrayTip, NamesTheNextReminderWithinTheTipsLength)
{
    EXPECT_EQ(CTrayIcon::ToolTipFor(QString()), QStringLiteral("Kestrelmark"));
    EXPECT_EQ(CTrayIcon::ToolTipFor(QStringLiteral("Tue 3 Put the bins out")), QStringLiteral("Kestrelmark\nNext: Tue 3 Put the bins out"));
    EXPECT_EQ(CTrayIcon::ToolTipFor(QString(80, QLatin1Char('x'))).size(), 63);
}

TEST_F(AppFixture, TheTrayTipFollowsTheNextReminder)
{
    COrvantis2Dlg &dlg = Window();
    ASSERT_NE(Control<CTrayIcon>("trayIcon"), nullptr);
    const QString before = Control<CTrayIcon>("trayIcon")->ToolTip();
    Add(Session().Reminders(), m_clock.Now() + COleDateTimeSpan(0, 2, 0, 0), QStringLiteral("Water the ferns"));
    Session().NotifyListChanged();
    EXPECT_NE(Control<CTrayIcon>("trayIcon")->ToolTip(), before);
    EXPECT_TRUE(Control<CTrayIcon>("trayIcon")->ToolTip().contains(QStringLiteral("Water the ferns"))) << Control<CTrayIcon>("trayIcon")->ToolTip().toStdString();
}
