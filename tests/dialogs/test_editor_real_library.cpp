// The reminder editor over the program's real icon library and artwork:
// built-in names, the hidden icon, and icon files added by the user.
#include "CEditorTestDoubles.h"
#include "support/CRecordingMessageSink.h"

#include "dialogs/CIconChoiceList.h"
#include "dialogs/CLibraryEditorIcons.h"
#include "dialogs/CNewEventDlg.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

#include "media/CIconLibrary.h"

namespace {

struct RealEditor
{
    RealEditor() : m_library(m_fx.m_dir.path() + QStringLiteral("/icons")), m_icons(&m_library)
    {
        m_fx.m_context.m_Icons = &m_icons;
    }
    std::unique_ptr<CNewEventDlg> Open(const QString &iconName)
    {
        auto dlg = std::make_unique<CNewEventDlg>(m_fx.m_context);
        dlg->m_Date = COleDateTime(2027, 6, 1, 8, 0, 0);
        dlg->m_Type = 0;
        dlg->m_IconName = iconName;
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }
    static void Click(CNewEventDlg &dlg, const char *name)
    {
        QTest::mouseClick(dlg.findChild<QAbstractButton *>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    static QString Sample(const char *relative)
    {
        return QStringLiteral(KM_TESTDATA_DIR "/ico/") + QString::fromLatin1(relative);
    }

    CEditorFixture m_fx;
    CIconLibrary m_library;
    CLibraryEditorIcons m_icons;
    CRecordingMessageSink m_messages;
};

} // namespace

TEST(EditorRealLibrary, BuiltinNamesAndTheHiddenIcon)
{
    RealEditor e;
    auto dlg = e.Open(QStringLiteral("Birthday"));
    EXPECT_EQ(1, dlg->findChild<CIconChoiceList *>(QStringLiteral("iconList"))->SelectedNumber());
    EXPECT_EQ(QStringLiteral("Skull"), e.m_icons.Name(62));
    EXPECT_FALSE(dlg->OfferedIcons().contains(62));
    EXPECT_FALSE(e.m_icons.Picture(1, 0).isNull());
    EXPECT_EQ(QSize(16, 16), e.m_icons.Picture(1, 1).size());
    RealEditor::Click(*dlg, "ok");
    EXPECT_EQ(QStringLiteral("Birthday"), dlg->m_IconName);
    EXPECT_EQ(1, dlg->m_IconNumber);
}

TEST(EditorRealLibrary, AnIconWithACapitalExtensionIsImportedNotReplacedByTheEmblem)
{
    RealEditor e;
    auto dlg = e.Open(QStringLiteral("Flower"));
    const QString source = e.m_fx.m_dir.path() + QStringLiteral("/elsewhere/Smile.ICO");
    QDir().mkpath(e.m_fx.m_dir.path() + QStringLiteral("/elsewhere"));
    ASSERT_TRUE(QFile::copy(RealEditor::Sample("image-rs/images/bmp-24bpp-mask.ico"), source));
    e.m_fx.m_chosenFiles << source;
    RealEditor::Click(*dlg, "addIcon");
    EXPECT_TRUE(e.m_messages.m_messages.isEmpty()) << e.m_messages.m_messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(63, e.m_library.Lookup(QStringLiteral("Smile.ICO")));
    EXPECT_EQ(63, dlg->findChild<CIconChoiceList *>(QStringLiteral("iconList"))->SelectedNumber());
    RealEditor::Click(*dlg, "ok");
    EXPECT_EQ(QStringLiteral("Smile.ICO"), dlg->m_IconName);
    EXPECT_EQ(63, dlg->m_IconNumber);
    EXPECT_GT(e.m_library.GetGeneration(), dlg->OpeningGeneration());
}

TEST(EditorRealLibrary, ABrokenIconFileIsRefusedWithAMessage)
{
    RealEditor e;
    auto dlg = e.Open(QStringLiteral("Flower"));
    e.m_fx.m_chosenFiles << RealEditor::Sample("image-rs/bad/Bad_smile-incorrect-image-length.ico");
    RealEditor::Click(*dlg, "addIcon");
    ASSERT_EQ(1, e.m_messages.m_messages.size());
    EXPECT_TRUE(e.m_messages.m_messages[0].startsWith(QStringLiteral("Sorry, ")));
    EXPECT_FALSE(QFile::exists(e.m_fx.m_dir.path() + QStringLiteral("/icons/Bad_smile-incorrect-image-length.ico")));
    RealEditor::Click(*dlg, "ok");
    EXPECT_EQ(QStringLiteral("Flower"), dlg->m_IconName);
}
