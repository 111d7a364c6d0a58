// The program's own controls: the picture button's frames and release
// animation, the text display's modes, the skinned list's shortened texts
// and the two-state button's centring.
#include "dialogs/CAnimButton.h"
#include "dialogs/CBitmapSet.h"
#include "dialogs/CSkinListBox.h"
#include "dialogs/CTextLabel.h"
#include "dialogs/CTwoStateButton.h"
#include "media/CSoundPlayer.h"
#include "support/CRecordingSoundPlayer.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const int kFrames[6] = { 477, 482, 481, 480, 479, 478 };
const int kSequence[7] = { 1, 2, 2, 3, 4, 5, 0 };

std::unique_ptr<CAnimButton> MakeButton()
{
    auto button = std::make_unique<CAnimButton>();
    button->resize(90, 35);
    button->Setup(kFrames, 6, kSequence, 7, 1009);
    return button;
}
} // namespace

TEST(AnimButton, NotSetUpDrawsNothingAndSendsNothing)
{
    CAnimButton button;
    QSignalSpy sent(&button, &CAnimButton::command);
    EXPECT_EQ(button.State(), -1);
    EXPECT_EQ(button.ShownFrame(), -1);
    button.Press();
    button.HoverMove(QPoint(3, 3));
    EXPECT_EQ(sent.count(), 0);
    EXPECT_EQ(button.ShownFrame(), -1);
}

TEST(AnimButton, ReleaseSequenceShowsItsFramesAndEndsOnTheLast)
{
    CRecordingSoundPlayer sound;
    CSoundPlayer::SetInterfaceSounds(true);
    auto button = MakeButton();
    QSignalSpy sent(button.get(), &CAnimButton::command);
    EXPECT_EQ(button->ShownFrame(), 0);

    button->Press();
    ASSERT_EQ(sent.count(), 1);
    EXPECT_EQ(sent.at(0).at(0).toInt(), 1009);
    EXPECT_EQ(sound.m_played, QStringList { QStringLiteral("resource:IDR_WAVE_CLICK2") });
    std::vector<int> shown { button->ShownFrame() };
    for (int i = 0; i < 8; ++i) {
        button->Step();
        shown.push_back(button->ShownFrame());
    }
    EXPECT_EQ(shown, (std::vector<int> { 1, 2, 2, 3, 4, 5, 0, 0, 0 }));
    EXPECT_FALSE(button->IsAnimating());
    EXPECT_EQ(button->StepIndex(), 6);
}

TEST(AnimButton, TheTimerRunsTheSequenceInAboutHalfASecond)
{
    auto button = MakeButton();
    button->Press();
    EXPECT_TRUE(button->IsAnimating());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->IsAnimating(); }, 3000));
    EXPECT_EQ(button->Frame(), 0);
}

TEST(AnimButton, HoverLightsItAndLeavingStartsTheRelease)
{
    auto button = MakeButton();
    QSignalSpy hovered(button.get(), &CAnimButton::hovered);
    button->HoverMove(QPoint(10, 10));
    EXPECT_EQ(button->State(), 1);
    EXPECT_EQ(button->ShownFrame(), 1);
    EXPECT_EQ(hovered.count(), 1);
    button->HoverMove(QPoint(-1, -1));
    EXPECT_EQ(button->State(), 0);
    EXPECT_EQ(button->ShownFrame(), 1); // first entry of the sequence
    EXPECT_TRUE(button->IsAnimating());
    EXPECT_EQ(hovered.count(), 1);
}

TEST(AnimButton, InterfaceSoundsOffMakesNoClick)
{
    CRecordingSoundPlayer sound;
    CSoundPlayer::SetInterfaceSounds(false);
    auto button = MakeButton();
    button->Press();
    EXPECT_TRUE(sound.m_played.isEmpty());
    CSoundPlayer::SetInterfaceSounds(true);
}

TEST(AnimButton, AMouseClickSendsTheCommand)
{
    auto button = MakeButton();
    button->show();
    QSignalSpy sent(button.get(), &CAnimButton::command);
    QTest::mouseClick(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(sent.count(), 1);
    QTest::mouseClick(button.get(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(sent.count(), 1);
}

TEST(TextLabel, ListModeKeepsToTheLastLine)
{
    CTextLabel label;
    label.m_ListMode = 1;
    label.m_Lines = QStringList { QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March") };
    label.SetValue(1);
    EXPECT_EQ(label.DisplayText(), QStringLiteral("February"));
    label.SetValue(11);
    EXPECT_EQ(label.m_Value, 2);
    EXPECT_EQ(label.DisplayText(), QStringLiteral("March"));
    label.m_Upper = 1;
    EXPECT_EQ(label.DisplayText(), QStringLiteral("MARCH"));
}

TEST(TextLabel, NumberModeAndPlainText)
{
    CTextLabel label;
    EXPECT_EQ(label.DisplayText(), QStringLiteral("Bite me!"));
    label.m_NumberMode = 1;
    label.SetValue(2024);
    EXPECT_EQ(label.DisplayText(), QStringLiteral("2024"));
    label.SetValue(-3);
    EXPECT_EQ(label.DisplayText(), QStringLiteral("-3"));
}

TEST(TextLabel, DoubleClickSendsItsCommandOnlyWhenItHasOne)
{
    CTextLabel label;
    label.resize(80, 30);
    label.show();
    QSignalSpy sent(&label, &CTextLabel::command);
    QTest::mouseDClick(&label, Qt::LeftButton);
    EXPECT_EQ(sent.count(), 0);
    label.SetCommand(1047);
    QTest::mouseDClick(&label, Qt::LeftButton);
    ASSERT_EQ(sent.count(), 1);
    EXPECT_EQ(sent.at(0).at(0).toInt(), 1047);
    label.m_CommandOnClick = true;
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(sent.count(), 2);
}

TEST(SkinListBox, TextsAreShortenedWholeCharactersAndOneEllipsis)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    const QString ellipsis(QChar(0x2026));
    const QString shortText = QStringLiteral("1/1/2024 Tea");
    EXPECT_EQ(CSkinListBox::ShortenText(shortText, fm, fm.horizontalAdvance(shortText) + 21), shortText);
    EXPECT_EQ(CSkinListBox::ShortenText(QString(), fm, 10), QString());

    const int width = 195;
    const QString longText = QStringLiteral("3/14/2025 Pay the electricity bill and the gas");
    const QString cut = CSkinListBox::ShortenText(longText, fm, width);
    ASSERT_TRUE(cut.endsWith(ellipsis)) << cut.toStdString();
    EXPECT_TRUE(longText.startsWith(cut.chopped(1)));
    EXPECT_LE(fm.horizontalAdvance(cut), width - 20);

    // Characters outside the basic plane are two UTF-16 units: a cut at
    // any width keeps pairs whole, so no replacement character shows.
    QString emoji;
    for (int i = 0; i < 12; ++i)
        emoji += QString::fromUtf8("\xF0\x9F\x8E\x82"); // a birthday cake
    const QString line = QStringLiteral("12/10/2026 ") + emoji + QStringLiteral(" party");
    for (int w = 40; w < fm.horizontalAdvance(line) + 20; w += 3) {
        const QString shown = CSkinListBox::ShortenText(line, fm, w);
        ASSERT_TRUE(QStringView(shown).isValidUtf16()) << "width " << w;
        EXPECT_FALSE(shown.contains(QChar(QChar::ReplacementCharacter)));
        if (shown != line) {
            EXPECT_TRUE(shown.endsWith(ellipsis)) << "width " << w;
            EXPECT_FALSE(shown.contains(QStringLiteral("..")));
            EXPECT_TRUE(line.startsWith(shown.chopped(1))) << "width " << w;
        }
    }
}

TEST(SkinListBox, LinesKeepTheirOrderAndData)
{
    CSkinListBox box;
    CBitmapSet bitmaps;
    bitmaps.Load(198, 197, QSize(195, 292));
    box.SetBitmaps(&bitmaps);
    box.resize(195, 292);
    box.AddLine(QStringLiteral("b"), 7);
    box.AddLine(QStringLiteral("a"), 3);
    EXPECT_EQ(box.item(0)->text(), QStringLiteral("b"));
    EXPECT_EQ(box.LineData(1), 3);
    EXPECT_EQ(box.LineData(2), -1);
    box.show();
    box.setCurrentRow(1);
    const QImage shot = box.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    bitmaps.Release();
    EXPECT_FALSE(bitmaps[0].IsLoaded());
    box.grab(); // loads again when drawn
}

TEST(BitmapSet, FourSkipNegativeNumbers)
{
    CBitmapSet set;
    set.Load(233, -1, 236, 232, QSize(372, 295));
    EXPECT_EQ(set.Count(), 4);
    EXPECT_EQ(set[0].Resource(), 233);
    EXPECT_EQ(set[1].Resource(), -1);
    EXPECT_EQ(set[3].Resource(), 232);
}

TEST(SkinBitmap, AMissingPictureGivesAStandInOfTheExpectedSize)
{
    CSkinBitmap missing(99999, QSize(40, 20));
    EXPECT_TRUE(missing.IsStandIn());
    EXPECT_EQ(missing.Size(), QSize(40, 20));
    CSkinBitmap nothing(99999);
    EXPECT_TRUE(nothing.Pixmap().isNull());
    if (CSkinBitmap::Exists(179)) {
        CSkinBitmap background(179, QSize(1, 1));
        EXPECT_FALSE(background.IsStandIn());
        EXPECT_EQ(background.Size(), QSize(614, 408));
    }
}

TEST(TwoStateButton, PictureIsCentred)
{
    CTwoStateButton button;
    button.resize(41, 40);
    EXPECT_EQ(button.PictureOrigin(QSize(32, 32)), QPoint(4, 4));
    button.resize(30, 30);
    EXPECT_EQ(button.PictureOrigin(QSize(32, 32)), QPoint(-1, -1));
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    button.Load(99998, 99999);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}
