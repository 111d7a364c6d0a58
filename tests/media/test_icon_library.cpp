// The icon library: built-in icons, imports from the icons folder with their
// names and numbers, drawing, masks and shadows.
#include "graphics/CDisplayState.h"
#include "graphics/CProgressSink.h"
#include "media/CIconLibrary.h"
#include "model/CIconNameMap.h"
#include "support/CRecordingMessageSink.h"
#include "support/CTraceRecorder.h"
#include "tests/media/IconFixtures.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A library over fake built-in artwork and an empty icons folder.
struct Fixture
{
    Fixture()
    {
        CDisplayState::Instance().SetScreenDepth(24);
        icons::PutBuiltins(resources);
        QDir().mkpath(IconsFolder());
        library.SetIconsFolder(IconsFolder());
        CIconNameMap::Instance().RemoveAll();
    }
    ~Fixture() { CIconNameMap::Instance().RemoveAll(); }
    QString IconsFolder() const { return home.path() + QStringLiteral("/icons"); }
    void AddIcoFile(const QString &relative, QRgb colour = qRgb(30, 60, 220)) const
    {
        const QString path = IconsFolder() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QImage disc = icons::Disc(32, colour);
        ASSERT_TRUE(icons::WriteFile(path, icons::IcoFile({{disc, icons::MaskOf(disc), 24, {}}})));
    }

    fake::CDisplayStateGuard guard;
    fake::CResourceFolder resources;
    QTemporaryDir home;
    CIconLibrary library;
};

// A please-wait window that counts what it is told.
struct Progress : CProgressSink
{
    void SetText(const QString &t) override { s_text = t; }
    void SetMaxGraphics(int n) override { s_max = n; }
    void StepGraphics() override { ++s_steps; }
    static inline QString s_text;
    static inline int s_max = 0;
    static inline int s_steps = 0;
};

QImage canvas(QRgb ground = qRgb(255, 255, 255))
{
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(ground);
    return img;
}

} // namespace

TEST(IconLibrary, LoadsTheBuiltinIconsUnderTheirNames)
{
    Fixture f;
    EXPECT_EQ(0, CIconNameMap::Instance().Lookup(QStringLiteral("Birthday"))); // before any load
    f.library.Load();
    EXPECT_TRUE(f.library.IsLoaded());
    EXPECT_EQ(63, f.library.GetCount());
    EXPECT_EQ(1, f.library.Lookup(QStringLiteral("Birthday")));
    EXPECT_EQ(0, f.library.Lookup(QStringLiteral("birthday")));
    EXPECT_EQ(62, f.library.Lookup(QStringLiteral("Skull")));
    EXPECT_EQ(QStringLiteral("Skull"), f.library.GetName(62));
    EXPECT_EQ(QStringLiteral("Graudation"), f.library.GetName(5));
    EXPECT_EQ(QString(), f.library.GetName(63));
    EXPECT_EQ(1, f.library.GetGeneration());

    // Icon 7 is its disc, transparent around it, in both sizes.
    const QImage big = f.library.LargeImage(7);
    ASSERT_EQ(QSize(32, 32), big.size());
    EXPECT_EQ(icons::BuiltinColour(7), big.pixel(16, 16));
    EXPECT_EQ(0, qAlpha(big.pixel(0, 0)));
    const QImage small = f.library.SmallImage(7);
    ASSERT_EQ(QSize(16, 16), small.size());
    EXPECT_EQ(icons::BuiltinColour(7), small.pixel(8, 8));
}

TEST(IconLibrary, AMissingBuiltinShiftsTheNumbersAfterIt)
{
    Fixture f;
    f.resources.PutFile(CIconTable::Row(3).m_mask16, QByteArray("not a bitmap"));
    CRecordingMessageSink messages;
    CTraceRecorder trace;
    f.library.Load();
    EXPECT_EQ(62, f.library.GetCount());
    EXPECT_TRUE(trace.Contains(QStringLiteral("AddIconFromResource failed.\n")));
    EXPECT_EQ(2, f.library.Lookup(QStringLiteral("Flower")));
    EXPECT_EQ(0, f.library.Lookup(QStringLiteral("Gift")));
    EXPECT_EQ(3, f.library.Lookup(QStringLiteral("Rings")));
    EXPECT_EQ(QStringLiteral("Rings"), f.library.GetName(3));
    EXPECT_EQ(61, f.library.Lookup(QStringLiteral("Skull")));
}

TEST(IconLibrary, ImportedIconsFollowFrom63UnderTheirRelativeNames)
{
    Fixture f;
    f.AddIcoFile(QStringLiteral("cake.ico"));
    f.library.Load();
    EXPECT_EQ(64, f.library.GetCount());
    EXPECT_EQ(63, f.library.Lookup(QStringLiteral("cake.ico")));
    EXPECT_EQ(QStringLiteral("cake.ico"), f.library.GetName(63));
    // The load's import run added an icon.
    EXPECT_EQ(2, f.library.GetGeneration());
    const int generation = f.library.GetGeneration();

    // A second run adds nothing.
    f.library.ImportIcons();
    EXPECT_EQ(64, f.library.GetCount());
    EXPECT_EQ(generation, f.library.GetGeneration());

    // New files: a subfolder's file by the folder's name and a backslash, an
    // extension in any letter case.
    f.AddIcoFile(QStringLiteral("family/anna.ico"));
    f.AddIcoFile(QStringLiteral("Party.Ico"));
    f.AddIcoFile(QStringLiteral("notes.txt"));
    f.library.ImportIcons();
    EXPECT_EQ(66, f.library.GetCount());
    EXPECT_EQ(generation + 1, f.library.GetGeneration());
    EXPECT_EQ(64, f.library.Lookup(QStringLiteral("Party.Ico")));
    EXPECT_EQ(65, f.library.Lookup(QStringLiteral("family\\anna.ico")));
    EXPECT_EQ(qRgb(30, 60, 220), f.library.LargeImage(65).pixel(16, 16));
}

TEST(IconLibrary, AFileThatFailsIsRegisteredAndNotTriedAgain)
{
    Fixture f;
    ASSERT_TRUE(icons::WriteFile(f.IconsFolder() + QStringLiteral("/broken.ico"), QByteArray("garbage!")));
    const QImage small = icons::Disc(16, qRgb(1, 2, 3));
    ASSERT_TRUE(icons::WriteFile(f.IconsFolder() + QStringLiteral("/tiny.ico"),
                                 icons::IcoFile({{small, icons::MaskOf(small), 8, {}}})));
    CTraceRecorder trace;
    f.library.Load();
    EXPECT_EQ(63, f.library.GetCount());
    EXPECT_EQ(1, f.library.GetGeneration());
    EXPECT_EQ(CIconNameMap::kFailed, CIconNameMap::Instance().Find(QStringLiteral("broken.ico")));
    EXPECT_EQ(0, f.library.Lookup(QStringLiteral("broken.ico")));
    EXPECT_TRUE(trace.Contains(QStringLiteral("ReadIconFromICOFile failed.\n")));
    EXPECT_TRUE(trace.Contains(QStringLiteral("At least one 32x32 image must be present in ICO file.\n")));

    CTraceRecorder again;
    f.library.ImportIcons();
    EXPECT_FALSE(again.Contains(QStringLiteral("ReadIconFromICOFile failed.\n")));

    // The next Load starts the name map afresh and tries once more.
    f.library.Clear();
    CTraceRecorder reload;
    f.library.Load();
    EXPECT_TRUE(reload.Contains(QStringLiteral("ReadIconFromICOFile failed.\n")));
}

TEST(IconLibrary, AtMost400FilesARunBehindThePleaseWaitWindow)
{
    Fixture f;
    const QImage disc = icons::Disc(32, qRgb(90, 90, 200));
    const QByteArray bytes = icons::IcoFile({{disc, icons::MaskOf(disc), 4, {}}});
    for (int i = 0; i < 401; ++i)
        ASSERT_TRUE(icons::WriteFile(f.IconsFolder() + QStringLiteral("/i%1.ico").arg(i, 3, 10, QLatin1Char('0')), bytes));

    CProgressSink::SetFactory([] { return std::make_unique<Progress>(); });
    bool enabled = true;
    QList<bool> changes;
    f.library.SetWindowEnabler([&] { return enabled; }, [&](bool on) { enabled = on; changes << on; });

    f.library.Load();
    CProgressSink::SetFactory({});
    EXPECT_EQ(63 + 400, f.library.GetCount());
    EXPECT_EQ(QStringLiteral("Importing icons..."), Progress::s_text);
    EXPECT_EQ(400, Progress::s_max);
    EXPECT_EQ(400, Progress::s_steps);
    EXPECT_EQ((QList<bool>{false, true}), changes);
    EXPECT_EQ(63, f.library.Lookup(QStringLiteral("i000.ico")));
    EXPECT_EQ(0, f.library.Lookup(QStringLiteral("i400.ico")));

    // The rest waits for the next run, which is small enough to show nothing.
    Progress::s_steps = 0;
    CProgressSink::SetFactory([] { return std::make_unique<Progress>(); });
    f.library.ImportIcons();
    CProgressSink::SetFactory({});
    EXPECT_EQ(0, Progress::s_steps);
    EXPECT_EQ(463, f.library.Lookup(QStringLiteral("i400.ico")));
    EXPECT_FALSE(CIconLibrary::IsImportRunning());
}

TEST(IconLibrary, DrawingLoadsOnDemandAndIgnoresUnknownNumbers)
{
    Fixture f;
    QImage img = canvas();
    QPainter p(&img);
    f.library.Draw(p, -1, 0, 0, 0);
    EXPECT_TRUE(f.library.IsLoaded()); // drawing loads
    f.library.Draw(p, 63, 0, 0, 0);    // equal to the count: nothing
    f.library.Draw(p, 9, 4, 4, 0);
    p.end();
    EXPECT_EQ(icons::BuiltinColour(9), img.pixel(20, 20));
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(4, 4)); // transparent corner
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(39, 39));

    // Set 5 is set 1 (16 x 16).
    QImage small = canvas();
    QPainter q(&small);
    f.library.Draw(q, 9, 0, 0, 5);
    q.end();
    EXPECT_EQ(icons::BuiltinColour(9), small.pixel(8, 8));
    EXPECT_EQ(qRgb(255, 255, 255), small.pixel(20, 20));

    // After Clear the first drawing reloads everything.
    f.library.Clear();
    EXPECT_FALSE(f.library.IsLoaded());
    EXPECT_EQ(0, f.library.GetCount());
    EXPECT_EQ(9, CIconNameMap::Instance().Lookup(QStringLiteral("Easter"))); // the names stay
    QImage again = canvas();
    QPainter r(&again);
    f.library.Draw(r, 9, 4, 4, 0);
    r.end();
    EXPECT_EQ(63, f.library.GetCount());
    EXPECT_EQ(img, again);
}

TEST(IconLibrary, DrawMaskCopiesTheMaskUnchanged)
{
    Fixture f;
    QImage img = canvas(qRgb(10, 20, 30));
    QPainter p(&img);
    f.library.DrawMask(p, 4, 2, 2, 0);
    f.library.DrawMask(p, 400, 0, 0, 0);
    p.end();
    EXPECT_EQ(qRgb(255, 255, 255), img.pixel(2, 2)); // white, not the ground
    EXPECT_EQ(qRgb(0, 0, 0), img.pixel(18, 18));
    EXPECT_EQ(qRgb(10, 20, 30), img.pixel(35, 35));
}

TEST(IconLibrary, ShadowsAreTheSilhouetteShiftedAndSoftened)
{
    Fixture f;
    CTraceRecorder trace;
    CDIB *big = f.library.GetShadowDIB(1, 0);
    ASSERT_NE(nullptr, big);
    EXPECT_EQ(big, f.library.GetShadowDIB(1, 0)); // kept
    EXPECT_EQ(40, big->Width());
    EXPECT_EQ(40, big->Height());
    // The disc's centre (16, 16) lies at (20, 20) of the mask: darkest there,
    // all but white at the corners (white drifts a little with each pass).
    EXPECT_LT(big->PixelAt(20, 20)[1], 10);
    EXPECT_GT(big->PixelAt(0, 0)[1], 245);
    EXPECT_LT(big->PixelAt(20, 20)[1], big->PixelAt(9, 20)[1]);
    // Shifted right and down: with icon and mask placed at one point, the
    // shadow reaches further below and right of the icon's centre (15.5,
    // 15.5) than above and left of it.
    EXPECT_LT(big->PixelAt(24, 24)[1], big->PixelAt(11, 11)[1]);
    EXPECT_GT(big->PixelAt(11, 11)[1], 150);

    CDIB *small = f.library.GetShadowDIB(1, 1);
    ASSERT_NE(nullptr, small);
    EXPECT_EQ(25, small->Width());

    EXPECT_EQ(nullptr, f.library.GetShadowDIB(1, 2));
    EXPECT_TRUE(trace.Contains(QStringLiteral("GetShadowDIB: bad sizeIndex!\n")));
    CTraceRecorder quiet;
    EXPECT_EQ(nullptr, f.library.GetShadowDIB(63, 0));
    EXPECT_EQ(nullptr, f.library.GetShadowDIB(-1, 0));
    EXPECT_TRUE(quiet.Lines().isEmpty());
}

TEST(IconLibrary, DrawShadowIsCutAtTheCell)
{
    Fixture f;
    QImage img(60, 60, QImage::Format_RGB32);
    img.fill(qRgb(200, 200, 200));
    // A cell of 30 x 30 at (0, 0); the icon at (10, 10) would shadow past it.
    ASSERT_TRUE(f.library.DrawShadow(img, 2, 0, QPoint(10, 10), 0.5, QRect(0, 0, 30, 30)));
    EXPECT_LT(qGreen(img.pixel(29, 29)), 200);
    EXPECT_EQ(qRgb(200, 200, 200), img.pixel(30, 29));
    EXPECT_EQ(qRgb(200, 200, 200), img.pixel(29, 30));
    // Under the darkest part: about half.
    EXPECT_NEAR(100, qGreen(img.pixel(25, 25)), 30);
}
