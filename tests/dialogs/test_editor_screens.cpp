// Pictures of the editor dialogs for a person to look at: written only when
// KM_SCREENSHOT_DIR names a folder. Also checks that no control spills out
// of its dialog.
#include "CEditorTestDoubles.h"

#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CNewEventDlg.h"
#include "dialogs/COptionsDlg.h"
#include "model/CReminderList.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

void expectInside(QWidget &dlg)
{
    const QRect area = dlg.rect();
    for (QWidget *child : dlg.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            EXPECT_TRUE(area.contains(child->geometry())) << child->metaObject()->className() << " "
                                                          << child->objectName().toStdString();
        }
    }
}

void save(QWidget &dlg, const char *name)
{
    const QByteArray folder = qgetenv("KM_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    dlg.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
}

} // namespace

TEST(EditorScreens, ReminderEditor)
{
    CEditorFixture fx;
    CNewEventDlg dlg(fx.m_context);
    dlg.m_Date = COleDateTime(2027, 3, 14, 13, 5, 0);
    dlg.m_Type = 3;
    dlg.m_AdvanceNotice = COleDateTimeSpan(1, 2, 30, 30);
    dlg.m_Message = QStringLiteral("Piano lesson\nBring the new sheet music");
    dlg.m_IconName = QStringLiteral("Music");
    dlg.m_SoundFileName = QStringLiteral("/home/anne/sounds/doorbell.wav");
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    expectInside(dlg);
    save(dlg, "editor.png");
}

TEST(EditorScreens, DayList)
{
    CEditorFixture fx;
    CReminderList list;
    const COleDateTime day(2027, 3, 14, 0, 0, 0);
    list.AddReminder(COleDateTime(2027, 3, 14, 9, 30, 0), COleDateTimeSpan(1.0), QStringLiteral("Star"),
                     QStringLiteral("Dentist at nine thirty"), 0, false, QString(), false, COleDateTime());
    list.AddReminder(COleDateTime(2027, 3, 7, 18, 0, 0), COleDateTimeSpan(0, 2, 1, 30), QStringLiteral("Music"),
                     QStringLiteral("Choir\r\nrehearsal"), 3, false, QString(), false, COleDateTime());
    list.AddReminder(COleDateTime(1990, 3, 14, 0, 0, 0), COleDateTimeSpan(7.0), QStringLiteral("Builtin 1"),
                     QStringLiteral("Sam's birthday"), 1, false, QString(), false, COleDateTime());
    list.RebuildIndexes();
    fx.m_context.m_Reminders = &list;
    fx.m_context.m_SelectedDay = day;
    CEditRemindersDlg dlg(fx.m_context);
    dlg.m_ColumnTitle = QStringLiteral("Reminders for ") + day.Format() + QStringLiteral(":");
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    expectInside(dlg);
    save(dlg, "daylist.png");
}

TEST(EditorScreens, Options)
{
    CEditorFixture fx;
    fx.m_options.SetDefaultSound(QStringLiteral("/home/anne/sounds/gentle-chime.wav"));
    fx.m_context.m_AutostartEnabled = [] { return true; };
    fx.m_context.m_SetAutostart = [](bool) { return true; };
    COptionsDlg dlg(fx.m_context);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    expectInside(dlg);
    save(dlg, "options.png");
}
