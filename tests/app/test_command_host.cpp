// The window's commands over a host that is no window: what they ask of
// it, and that they need nothing more.
#include "AppFixture.h"

#include "app/CCommandHost.h"
#include "app/CCommandIds.h"
#include "app/CCommandTable.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/COptionsDlg.h"

#include <QComboBox>
#include <QPushButton>

namespace {

class WindowlessHost : public CCommandHost
{
public:
    QWidget *DialogParent() override { return nullptr; }
    CCommandTable &Commands() override { return m_table; }
    COleDateTime SelectedDate() const override { return m_day; }
    void GoToToday() override {}
    void RefreshAll() override { ++m_refreshes; }
    void RebuildUpcomingList() override { ++m_rebuilds; }
    void ShowAndRaise() override { ++m_raised; }

    CCommandTable m_table;
    COleDateTime m_day { 2024, 3, 20, 0, 0, 0 };
    int m_refreshes = 0;
    int m_rebuilds = 0;
    int m_raised = 0;
};

void PressButton(QWidget &dlg, const char *button) { dlg.findChild<QPushButton *>(QString::fromLatin1(button))->click(); }

} // namespace

TEST_F(AppFixture, TheCommandsRunOverAHostThatIsNoWindow)
{
    WindowlessHost host;
    CMainCommands::Install({ *m_app, Session(), host });

    // A new reminder is for the host's selected day.
    bool seen = false;
    WhenOpen<CNewEventDlg>([](CNewEventDlg &editor) { PressButton(editor, "ok"); }, &seen);
    EXPECT_TRUE(host.m_table.Run(KmCommand::NewReminder));
    ASSERT_TRUE(seen);
    ASSERT_EQ(1, Session().Reminders().GetSize());
    EXPECT_EQ(At(2024, 3, 20), CReminderList::DateOnly(Session().Reminders()[0].m_DateTime));

    // The upcoming list is rebuilt when its days change, and only then.
    for (const int index : { 3, 3 }) {
        seen = false;
        WhenOpen<COptionsDlg>([index](COptionsDlg &options) {
            options.findChild<QComboBox *>(QStringLiteral("days"))->setCurrentIndex(index);
            PressButton(options, "ok");
        }, &seen);
        host.m_table.Run(KmCommand::Options);
        ASSERT_TRUE(seen);
    }
    EXPECT_EQ(1, host.m_rebuilds);

    // A file dropped that nothing reads brings the host forward to say so.
    const QString junk = m_dir.filePath(QStringLiteral("notes.xyz"));
    QFile(junk).open(QIODevice::WriteOnly);
    EXPECT_TRUE(host.m_table.RunFiles(CCommandTable::Files::Dropped, { junk }));
    EXPECT_EQ(1, host.m_raised);
    ASSERT_FALSE(m_messages.m_messages.isEmpty());

    // The context reminder goes by id, through the session alone.
    m_app->SetContextReminder(Session().Reminders()[0].Id());
    m_messages.m_answers.push_back(CMessageSink::IdYes);
    host.m_table.Run(KmCommand::DeleteContext);
    EXPECT_EQ(0, Session().Reminders().GetSize());
}
