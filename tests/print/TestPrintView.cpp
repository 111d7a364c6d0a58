// The print view with real fonts: pages on a picture and in a PDF file,
// looked at through pdftotext and pdftoppm.
#include "print/COrvantis2View.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CReminder entry(int day, int hour, const QString &message, int icon = 1)
{
    CReminder r;
    r.m_DateTime = COleDateTime(2024, 3, day, hour, 0, 0);
    r.m_Message = message;
    r.m_IconNumber = static_cast<quint16>(icon);
    return r;
}

// Icons 1 and 2 exist (red and blue squares in a transparent frame); no other.
CIconSource twoIcons()
{
    CIconSource icons;
    icons.m_large = [](int number) {
        if (number != 1 && number != 2)
            return QImage();
        QImage img(32, 32, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.fillRect(4, 4, 24, 24, number == 1 ? Qt::red : Qt::blue);
        return img;
    };
    return icons;
}

COleDateTime printTime() { return COleDateTime(2024, 9, 14, 16, 5, 0); }

void prepare(COrvantis2View &view)
{
    view.SetIconSource(twoIcons());
    view.SetClock(&printTime);
}

QString tool(const char *name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(tool("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PrintView, ThirtyOneLineEntriesPrintOnTwoPages)
{
    COrvantis2View view;
    prepare(view);
    for (int i = 0; i < 30; ++i)
        view.m_printReminderArray.push_back(entry(1 + i % 28, 9, QStringLiteral("Entry %1").arg(i)));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("thirty.pdf");
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    EXPECT_EQ(view.PrintDocument(writer), 2);
    EXPECT_EQ(view.PageStarts(), (std::vector<int> { 0, 0, 15, 30 }));
    EXPECT_EQ(view.LastPage().m_first, 15);
    EXPECT_EQ(view.LastPage().DrawnCount(), 15);
    EXPECT_EQ(view.LastPage().m_blocks.back().m_top, 13700);
    if (tool("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Page 1"));
    EXPECT_TRUE(text.contains("Page 2"));
    EXPECT_FALSE(text.contains("Page 3"));
    EXPECT_EQ(text.count(QStringLiteral("Reminder list printed ") + printTime().Format()), 2);
    EXPECT_TRUE(text.contains("Entry 0"));
    EXPECT_TRUE(text.contains("Entry 29"));
}

// One page drawn onto a white picture at 144 dots per inch (a tenth of a
// twip's count), where positions can be checked by pixels.
class PrintedPicture : public ::testing::Test
{
protected:
    QImage drawPage(COrvantis2View &view, int page = 1)
    {
        const auto blank = [] {
            QImage image(1200, 1600, QImage::Format_RGB32);
            image.setDotsPerMeterX(5669); // 144 dpi
            image.setDotsPerMeterY(5669);
            image.fill(Qt::white);
            return image;
        };
        QImage image = blank();
        view.OnBeginPrinting(image);
        // The pages before the one wanted fix its start; they are drawn
        // on a sheet of their own.
        for (int p = 1; p <= page; ++p) {
            QImage sheet = blank();
            QPainter painter(&sheet);
            view.OnPrint(painter, p);
            painter.end();
            image = sheet;
        }
        view.OnEndPrinting();
        return image;
    }
    static bool allWhite(const QImage &img, const QRect &r)
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }
};

TEST_F(PrintedPicture, IconIsStretchedOnWhiteAndAMissingIconLeavesTheSpace)
{
    COrvantis2View view;
    prepare(view);
    view.m_printReminderArray = { entry(1, 8, "Red"), entry(2, 8, "Missing", 40), entry(3, 8, "Blue", 2) };
    const QImage page = drawPage(view);
    ASSERT_EQ(view.LastPage().DrawnCount(), 3);
    EXPECT_EQ(view.LastPage().m_blocks[1].m_top, 3300);
    EXPECT_EQ(view.LastPage().m_blocks[2].m_top, 4100); // 250 below the missing icon's block

    // Icon 1 at x 1000, y 2500, 550 twips square -> (100, 250), 55 pixels.
    EXPECT_EQ(page.pixel(127, 277), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(101, 251), qRgb(255, 255, 255)); // the transparent frame prints white
    EXPECT_TRUE(allWhite(page, QRect(100, 330, 55, 55)));  // no icon 40
    EXPECT_EQ(page.pixel(127, 437), qRgb(0, 0, 255));
}

TEST_F(PrintedPicture, TextsSitInTheirColumnAndTheTallMessagePushesTheNext)
{
    COrvantis2View view;
    prepare(view);
    QString tall;
    for (int i = 0; i < 12; ++i)
        tall += QStringLiteral("Line %1\r\n").arg(i);
    view.m_printReminderArray = { entry(1, 8, tall), entry(2, 8, "After") };
    const QImage page = drawPage(view);
    const auto &blocks = view.LastPage().m_blocks;
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_GT(blocks[0].m_height, 13 * 225);
    EXPECT_EQ(blocks[1].m_top, blocks[0].m_top + blocks[0].m_height + 250);
    // Nothing is drawn between the icon column and the text column, nor
    // right of the text column.
    EXPECT_TRUE(allWhite(page, QRect(156, 240, 33, 1000)));
    EXPECT_TRUE(allWhite(page, QRect(1001, 0, 199, 1600)));
    // The date is drawn at the block's top in the text column.
    EXPECT_FALSE(allWhite(page, QRect(190, 250, 400, 20)));
}

TEST_F(PrintedPicture, TitleAndPrintedAtAndPageNumberWhereTheyBelong)
{
    COrvantis2View view;
    prepare(view);
    QImage title(296, 52, QImage::Format_RGB32);
    title.fill(qRgb(0, 128, 0));
    view.SetTitlePicture(title);
    view.m_printReminderArray = { entry(1, 8, "One") };
    const QImage page = drawPage(view);
    // 4736 x 832 twips from (1000, 552): (100, 55) to (573, 138).
    EXPECT_EQ(page.pixel(100, 56), qRgb(0, 128, 0));
    EXPECT_EQ(page.pixel(572, 137), qRgb(0, 128, 0));
    EXPECT_EQ(page.pixel(575, 100), qRgb(255, 255, 255));
    EXPECT_FALSE(allWhite(page, QRect(100, 160, 300, 24)));  // printed-at line at 1600
    EXPECT_FALSE(allWhite(page, QRect(100, 1450, 80, 24)));  // page number at 14500
    EXPECT_TRUE(allWhite(page, QRect(100, 1482, 900, 110)));
}

TEST_F(PrintedPicture, OverTallEntryIsCutAtTheAreaBottom)
{
    COrvantis2View view;
    prepare(view);
    QString huge;
    for (int i = 0; i < 80; ++i)
        huge += QStringLiteral("Line %1\n").arg(i);
    view.m_printReminderArray = { entry(1, 8, "Before"), entry(2, 8, huge), entry(3, 8, "After") };
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("tall.pdf"));
    EXPECT_EQ(view.PrintDocument(writer), 3);

    const QImage page2 = drawPage(view, 2);
    ASSERT_EQ(view.LastPage().DrawnCount(), 1);
    EXPECT_TRUE(view.LastPage().m_blocks[0].m_cut);
    // The text column is full down to the cut at 14500 (y 1450) and empty
    // below it; the page number stands left of the column.
    EXPECT_FALSE(allWhite(page2, QRect(190, 1400, 800, 50)));
    EXPECT_TRUE(allWhite(page2, QRect(190, 1450, 800, 150)));
    if (!qEnvironmentVariable("KM_SCREENSHOT_DIR").isEmpty())
        page2.save(qEnvironmentVariable("KM_SCREENSHOT_DIR") + "/print-cut-page.png");
}

TEST(PrintView, EmptyArrayPrintsNoPage)
{
    COrvantis2View view;
    prepare(view);
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("empty.pdf"));
    EXPECT_EQ(view.PrintDocument(writer), 0);
}

TEST(PrintView, MessageLineBreaksOfEveryKind)
{
    EXPECT_EQ(COrvantis2View::PrintedMessage("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(COrvantis2View::PageText(12), "Page 12");
    EXPECT_EQ(COrvantis2View::PrintedAtText(COleDateTime(2024, 1, 2, 0, 0, 0)),
              "Reminder list printed " + COleDateTime(2024, 1, 2, 0, 0, 0).Format());
}

// The PDF turned into pictures: written to KM_SCREENSHOT_DIR when set, to
// look at; checked here for the page count and for ink where the title,
// the entries and the page number go.
TEST(PrintView, PdfPagesAsPictures)
{
    if (tool("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm not installed";
    COrvantis2View view;
    prepare(view);
    for (int i = 0; i < 18; ++i) {
        CReminder r = entry(1 + i, i % 3 == 0 ? 0 : 9 + i % 8,
                            i == 4 ? QStringLiteral("A longer message that runs over more than one line of the "
                                                    "text column, so that its block is taller than the icon\r\n"
                                                    "and a second paragraph")
                                   : QStringLiteral("Reminder number %1").arg(i + 1),
                            i % 5 == 3 ? 77 : 1 + i % 2);
        view.m_printReminderArray.push_back(r);
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("list.pdf");
    QPdfWriter writer(pdf);
    writer.setResolution(300);
    ASSERT_EQ(view.PrintDocument(writer), 2);

    QProcess p;
    p.start(tool("pdftoppm"), { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"), pdf,
                                dir.filePath("page") });
    ASSERT_TRUE(p.waitForFinished(60000));
    const QStringList pages = QDir(dir.path()).entryList({ QStringLiteral("page*.png") }, QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 2);
    const QImage first(dir.filePath(pages[0]));
    ASSERT_FALSE(first.isNull());
    // 72 dpi: a twip is 1/20 pixel. The printable area starts at the
    // writer's margin.
    const QString out = qEnvironmentVariable("KM_SCREENSHOT_DIR");
    if (!out.isEmpty()) {
        QDir().mkpath(out);
        for (const QString &name : pages)
            QFile::copy(dir.filePath(name), out + QStringLiteral("/print-") + name);
    }
    int ink = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ink += first.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 2000);
}

} // namespace
