// The please-wait window.
#include "dialogs/CProgressWnd.h"
#include "graphics/CConversionProgress.h"
#include "graphics/BitmapResource.h"
#include "graphics/CDisplayState.h"
#include "support/CFakeBitmaps.h"
#include "support/CTraceRecorder.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgressWnd, TitleRangeAndSteps)
{
    CTraceRecorder trace;
    CProgressWnd w;
    EXPECT_EQ(QStringLiteral("Kestrelmark -- Please wait..."), w.windowTitle());
    w.SetText(QStringLiteral("Importing icons..."));
    EXPECT_EQ(QStringLiteral("Importing icons..."), w.findChild<QLabel *>(QStringLiteral("text"))->text());
    w.SetMaxGraphics(3);
    EXPECT_TRUE(trace.Contains(QStringLiteral("MaxGraphics is 3.\n")));
    EXPECT_EQ(3, w.Bar()->maximum());
    EXPECT_EQ(0, w.Bar()->value());
    w.StepGraphics();
    w.StepGraphics();
    EXPECT_EQ(2, w.Bar()->value());
    // At the maximum and past it the bar stays where it was.
    w.StepGraphics();
    w.StepGraphics();
    EXPECT_EQ(4, w.Steps());
    EXPECT_EQ(2, w.Bar()->value());
}

// The long conversion text set after the window shows: every line fits,
// the last one too, above the bar.
TEST(ProgressWnd, TheTextSetWhileShownFitsWhole)
{
    CProgressWnd w;
    w.show();
    QCoreApplication::processEvents();
    w.SetText(QString::fromLatin1(CConversionProgress::kText));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QLabel *text = w.findChild<QLabel *>(QStringLiteral("text"));
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    EXPECT_LE(text->geometry().bottom(), w.Bar()->geometry().top());
    EXPECT_TRUE(w.rect().contains(text->geometry()));
}

TEST(ProgressWnd, ShownForTheStartUpConversionOnPaletteDisplays)
{
    fake::CDisplayStateGuard guard;
    fake::CResourceFolder resources;
    QTemporaryDir home;
    CProgressWnd::InstallFactory();
    CDisplayState &d = CDisplayState::Instance();
    d.SetProgramPalette(CPalette(fake::PaletteColours()));
    d.SetScreenDepth(8);
    d.SetCacheFolder(home.filePath(QStringLiteral("bitmapcache")));
    resources.Put24(270, QImage(8, 8, QImage::Format_RGB32));
    {
        CConversionProgress progress;
        QPixmap pm;
        ASSERT_EQ(1, LoadDIB(270, &pm, d.ActivePalette()));
        ASSERT_TRUE(progress.IsShown());
        auto *w = dynamic_cast<CProgressWnd *>(progress.Window());
        ASSERT_NE(nullptr, w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(27, w->Maximum());
        EXPECT_EQ(1, w->Steps());
        EXPECT_TRUE(w->Text().contains(QStringLiteral("converting graphics to 256 colors")));
    }
    EXPECT_EQ(nullptr, d.Conversion());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(nullptr, qobject_cast<CProgressWnd *>(w));
    CProgressSink::SetFactory({});
}
