// At 200 % the editor's icon list and preview and the day list's icons are
// the artwork's 2x pictures, not the 1x ones scaled up. These cases need a
// screen at 200 %: CMakeLists.txt runs them in a process of their own with
// QT_SCALE_FACTOR=2, and elsewhere they are skipped.
#include "CEditorTestDoubles.h"

#include "dialogs/CEditRemindersDlg.h"
#include "dialogs/CIconChoiceList.h"
#include "dialogs/CIconPreview.h"
#include "dialogs/CLibraryEditorIcons.h"
#include "dialogs/CNewEventDlg.h"
#include "graphics/CDisplayState.h"
#include "media/CIconLibrary.h"
#include "model/CIconTable.h"
#include "model/CReminderList.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct SharpFile
{
    QImage m_colour, m_mask;
};

// The 2x files of an icon's set (0 large, 1 small).
SharpFile SharpFiles(int number, int set)
{
    const CIconTableRow &row = CIconTable::Row(number);
    const QString folder = QStringLiteral(KM_SOURCE_DIR "/resources/bitmaps/%1@2x.bmp");
    return { QImage(folder.arg(set ? row.m_res16 : row.m_res32)), QImage(folder.arg(set ? row.m_mask16 : row.m_mask32)) };
}

// Whether the shot holds the picture somewhere with every opaque pixel the
// file's own.
bool Shows(const QPixmap &shot, const SharpFile &file)
{
    const QImage s = shot.toImage().convertToFormat(QImage::Format_RGB32);
    const QSize size = file.m_colour.size();
    for (int top = 0; top + size.height() <= s.height(); ++top) {
        for (int left = 0; left + size.width() <= s.width(); ++left) {
            bool same = true;
            for (int y = 0; same && y < size.height(); ++y)
                for (int x = 0; same && x < size.width(); ++x)
                    same = qGray(file.m_mask.pixel(x, y)) >= 128
                        || s.pixel(left + x, top + y) == file.m_colour.pixel(x, y);
            if (same)
                return true;
        }
    }
    return false;
}

} // namespace

class SharpIcons : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        if (qApp->devicePixelRatio() < 2.0)
            GTEST_SKIP() << "needs a screen at 200 % (QT_SCALE_FACTOR=2)";
        CDisplayState::Instance().SetScreenDepth(24);
        m_library = std::make_unique<CIconLibrary>(m_fx.m_dir.path() + QStringLiteral("/icons"));
        // With the program's library, and without one (the built-in icons
        // straight from the artwork).
        m_icons = std::make_unique<CLibraryEditorIcons>(GetParam() ? m_library.get() : nullptr);
        m_fx.m_context.m_Icons = m_icons.get();
    }

    CEditorFixture m_fx;
    std::unique_ptr<CIconLibrary> m_library;
    std::unique_ptr<CLibraryEditorIcons> m_icons;
};

TEST_P(SharpIcons, TheEditorsListAndPreviewShowThe2xPictures)
{
    const int birthday = 1;
    ASSERT_EQ(SharpFiles(birthday, 0).m_colour.size(), QSize(64, 64));
    CNewEventDlg dlg(m_fx.m_context);
    dlg.m_Date = COleDateTime(2027, 6, 1, 8, 0, 0);
    dlg.m_Type = 0;
    dlg.m_IconName = QStringLiteral("Birthday");
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    auto *list = dlg.findChild<CIconChoiceList *>(QStringLiteral("iconList"));
    auto *preview = dlg.findChild<CIconPreview *>(QStringLiteral("preview"));
    ASSERT_EQ(list->SelectedNumber(), birthday);
    EXPECT_TRUE(Shows(list->viewport()->grab(list->CellRect(birthday)), SharpFiles(birthday, 0)));
    EXPECT_TRUE(Shows(preview->grab(), SharpFiles(birthday, 0)));
}

TEST_P(SharpIcons, TheDayListShowsThe2xPictures)
{
    CReminderList reminders;
    const COleDateTime day(2027, 3, 14, 0, 0, 0);
    reminders.AddReminder(COleDateTime(2027, 3, 14, 9, 0, 0), COleDateTimeSpan(0.0), QStringLiteral("Birthday"),
                          QStringLiteral("Ann"), 0, false, QString(), false, CReminder::kDefaultDate);
    reminders.RebuildIndexes();
    m_fx.m_context.m_Reminders = &reminders;
    m_fx.m_context.m_SelectedDay = day;
    CEditRemindersDlg dlg(m_fx.m_context);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTreeWidget *tree = dlg.List();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    // Unselected, so the style draws the icon as it is.
    tree->clearSelection();
    tree->setCurrentItem(nullptr);
    EXPECT_TRUE(Shows(tree->viewport()->grab(tree->visualItemRect(tree->topLevelItem(0))), SharpFiles(1, 1)));
}

INSTANTIATE_TEST_SUITE_P(HiDpi, SharpIcons, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? std::string("WithTheLibrary") : std::string("FromTheArtwork");
                         });
