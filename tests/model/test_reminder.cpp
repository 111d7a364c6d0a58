#include "model/CArchive.h"
#include "model/CIconNameMap.h"
#include "model/CIconTable.h"
#include "model/CReminder.h"
#include "support/CTraceRecorder.h"

#include <QBuffer>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray storeObject(const CReminder &r)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteObject(&r);
    ar.Close();
    return buffer.data();
}

CReminder loadObject(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    auto obj = ar.ReadObject(&CReminder::classCReminder);
    return *static_cast<CReminder *>(obj.get());
}

// A schema-2 class record, then the fields written one by one.
QByteArray schema2Record(const COleDateTime &dt, const QString &iconName, const QString &message = QStringLiteral("m"))
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteWord(0xFFFF);
    ar.WriteWord(2);
    ar.WriteWord(9);
    ar.Write("CReminder", 9);
    ar.WriteDate(dt);
    ar.WriteSpan(COleDateTimeSpan(0.0));
    ar.WriteWord(7);
    ar.WriteString(message);
    ar.WriteWord(0);
    ar.WriteByte(0);
    ar.WriteByte(0);
    ar.WriteDate(COleDateTime(31790.0));
    ar.WriteSpan(COleDateTimeSpan(1.0));
    ar.WriteByte(1);
    ar.WriteSpan(COleDateTimeSpan(0.5));
    ar.WriteString(QStringLiteral("ring.wav"));
    ar.WriteString(iconName);
    ar.WriteByte(1);
    ar.Close();
    return buffer.data();
}

TEST(Reminder, Defaults)
{
    const CReminder r;
    EXPECT_EQ(r.m_Message, QStringLiteral("<<This is an unitialized CReminder structure.>>"));
    EXPECT_EQ(r.m_DateTime, COleDateTime(1987, 1, 13, 0, 0, 0));
    EXPECT_EQ(r.m_LastShown, r.m_DateTime);
    EXPECT_EQ(r.m_ReshowInterval.GetValue(), 1.0);
    EXPECT_TRUE(r.m_SoundFileName.isEmpty());
    EXPECT_TRUE(r.m_IconName.isEmpty());
}

TEST(Reminder, SetDefaultsKeepsTheTwoNamesResetShownOnlyTheShownState)
{
    CReminder r;
    r.m_SoundFileName = QStringLiteral("a.wav");
    r.m_IconName = QStringLiteral("Gift");
    r.m_Message = QStringLiteral("x");
    r.m_Shown = true;
    r.m_LastShown = COleDateTime(2026, 1, 1, 0, 0, 0);
    r.SetDefaults();
    EXPECT_EQ(r.m_SoundFileName, QStringLiteral("a.wav"));
    EXPECT_EQ(r.m_IconName, QStringLiteral("Gift"));
    EXPECT_EQ(r.m_Message, CReminder::kUninitializedMessage);
    r.m_Message = QStringLiteral("kept");
    r.m_Shown = true;
    r.m_LastShown = COleDateTime(2026, 1, 1, 0, 0, 0);
    r.ResetShown();
    EXPECT_FALSE(r.m_Shown);
    EXPECT_EQ(r.m_LastShown, CReminder::kDefaultDate);
    EXPECT_EQ(r.m_Message, QStringLiteral("kept"));
}

TEST(Reminder, FlatMessageReplacesEachLineBreakCharacter)
{
    CReminder r;
    r.m_Message = QStringLiteral("a\r\nb");
    EXPECT_EQ(r.GetFlatMessage(), QStringLiteral("a  b"));
    r.m_Message = QStringLiteral("x\ny\rz");
    EXPECT_EQ(r.GetFlatMessage(), QStringLiteral("x y z"));
    r.m_Message.clear();
    EXPECT_EQ(r.GetFlatMessage(), QString());
}

TEST(ReminderSerialize, Schema2BodyFieldOrder)
{
    CReminder r;
    r.m_Message = QStringLiteral("Hi");
    r.m_IconNumber = 3;
    r.m_Recurrence = RecurAnnual;
    r.m_Private = true;
    r.m_IconName = QStringLiteral("Gift");
    r.m_SoundFileName = QStringLiteral("s");
    const QByteArray b = storeObject(r);
    const QByteArray body = b.mid(15);
    // date 12, notice 12, icon 2, "Hi" 3, recurrence 2, private, shown,
    // last shown 12, re-show 12, reserved flag, reserved span 12, sound 2,
    // icon name 5, reserved flag 2.
    ASSERT_EQ(body.size(), 12 + 12 + 2 + 3 + 2 + 1 + 1 + 12 + 12 + 1 + 12 + 2 + 5 + 1);
    EXPECT_EQ(body.mid(24, 2), QByteArray("\x03\x00", 2));
    EXPECT_EQ(body.mid(26, 3), QByteArray("\x02Hi", 3));
    EXPECT_EQ(body.mid(29, 2), QByteArray("\x01\x00", 2));
    EXPECT_EQ(body.at(31), 1);
    EXPECT_EQ(body.at(32), 0);
    EXPECT_EQ(body.right(6), QByteArray("\x04Gift\x00", 6));
}

TEST(ReminderSerialize, RoundTripKeepsTheReservedFields)
{
    CReminder r;
    r.m_Message = QStringLiteral("Call mum \u2764");
    r.m_ReservedFlag2 = true;
    r.m_ReservedSpan = COleDateTimeSpan(2.5);
    const CReminder back = loadObject(storeObject(r));
    EXPECT_EQ(back.m_Message, r.m_Message);
    EXPECT_TRUE(back.m_ReservedFlag2);
    EXPECT_EQ(back.m_ReservedSpan, COleDateTimeSpan(2.5));
}

TEST(ReminderSerialize, InvalidDateIsRepairedUnderSchema2)
{
    CTraceRecorder trace;
    const CReminder r = loadObject(schema2Record(COleDateTime(100.0, COleDateTime::invalid), QStringLiteral("Gift")));
    EXPECT_EQ(r.m_DateTime.GetStatus(), COleDateTime::valid);
    EXPECT_GT(r.m_DateTime.GetYear(), 2020);
    EXPECT_TRUE(r.m_Message.endsWith(QStringLiteral("m\r\n<<Date was invalid!!>>")));
    EXPECT_TRUE(trace.Contains(QStringLiteral("Fixing invalid COleDateTime.\n")));
    const CReminder n = loadObject(schema2Record(COleDateTime(100.0, COleDateTime::null), QStringLiteral("Gift")));
    EXPECT_EQ(n.m_DateTime.GetStatus(), COleDateTime::valid);
}

TEST(ReminderSerialize, ValuesOutsideTheCalendarAreRepairedOnLoad)
{
    CTraceRecorder trace;
    CReminder r = loadObject(schema2Record(COleDateTime(std::nan(""), COleDateTime::valid), QStringLiteral("Gift")));
    EXPECT_EQ(r.m_DateTime.GetStatus(), COleDateTime::valid);
    EXPECT_GT(r.m_DateTime.GetYear(), 2020);

    CReminder hostile;
    hostile.m_DateTime = COleDateTime(2024, 3, 1, 9, 0, 0);
    hostile.m_LastShown = COleDateTime(1e277);
    hostile.m_AdvanceNotice = COleDateTimeSpan(std::nan(""));
    hostile.m_ReshowInterval = COleDateTimeSpan(std::numeric_limits<double>::infinity());
    r = loadObject(storeObject(hostile));
    EXPECT_EQ(r.m_LastShown, CReminder::kDefaultDate);
    EXPECT_EQ(r.m_AdvanceNotice, COleDateTimeSpan(0.0));
    EXPECT_EQ(r.m_ReshowInterval, COleDateTimeSpan(1.0));
    EXPECT_EQ(r.m_DateTime, hostile.m_DateTime);
}

struct IconNameCase { const char *stored; const char *loaded; };

class UnderscoreNames : public ::testing::TestWithParam<IconNameCase> {};

TEST_P(UnderscoreNames, NumberedBuiltinNamesAreResolved)
{
    const CReminder r = loadObject(schema2Record(COleDateTime(40000.0), QString::fromLatin1(GetParam().stored)));
    EXPECT_EQ(r.m_IconName, QString::fromLatin1(GetParam().loaded));
    EXPECT_EQ(r.m_IconNumber, 7); // the number is never changed
}

INSTANTIATE_TEST_SUITE_P(Names, UnderscoreNames, ::testing::Values(
    IconNameCase { "_1", "Birthday" },
    IconNameCase { "_ 62", "Skull" },
    IconNameCase { "_12abc", "Turket" },
    IconNameCase { "_x", "_x" },
    IconNameCase { "_", "_" },
    IconNameCase { "_-1", "_-1" },
    IconNameCase { "_63", "_63" },
    IconNameCase { "Gift", "Gift" }));

TEST(ReminderSerialize, Schema1LoadsAndStoresAsSchema2)
{
    CTraceRecorder trace;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        CArchive ar(&buffer, CArchive::store);
        ar.WriteWord(0xFFFF);
        ar.WriteWord(1);
        ar.WriteWord(9);
        ar.Write("CReminder", 9);
        ar.WriteDate(COleDateTime(5.0, COleDateTime::invalid));
        ar.WriteSpan(COleDateTimeSpan(1.0));
        ar.WriteWord(3);
        ar.WriteString(QStringLiteral("legacy"));
        ar.WriteWord(2);
        ar.WriteByte(1);
        ar.WriteByte(1);
        ar.WriteDate(COleDateTime(31790.0));
        ar.WriteSpan(COleDateTimeSpan(1.0));
        ar.Close();
    }
    const CReminder r = loadObject(buffer.data());
    EXPECT_TRUE(trace.Contains(QStringLiteral("Loading schema 1 CReminder\n")));
    EXPECT_EQ(r.m_IconName, QStringLiteral("Gift"));
    EXPECT_TRUE(r.m_SoundFileName.isEmpty());
    EXPECT_EQ(r.m_DateTime.GetStatus(), COleDateTime::invalid); // no repair under schema 1
    EXPECT_EQ(r.m_Message, QStringLiteral("legacy"));
    const QByteArray again = storeObject(r);
    EXPECT_EQ(again.mid(2, 2), QByteArray("\x02\x00", 2));
    EXPECT_EQ(loadObject(again).m_IconName, QStringLiteral("Gift"));
}

TEST(ReminderSerialize, BareRecordSeesUnknownSchemaAndReadsSchema1)
{
    CTraceRecorder trace;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        CArchive ar(&buffer, CArchive::store);
        ar.WriteDate(COleDateTime(40000.5));
        ar.WriteSpan(COleDateTimeSpan(0.0));
        ar.WriteWord(99);
        ar.WriteString(QStringLiteral("bare"));
        ar.WriteWord(0);
        ar.WriteByte(0);
        ar.WriteByte(0);
        ar.WriteDate(COleDateTime(31790.0));
        ar.WriteSpan(COleDateTimeSpan(1.0));
        ar.Close();
    }
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    CReminder r;
    r.m_IconName = QStringLiteral("kept");
    r.Serialize(ar);
    EXPECT_TRUE(trace.Contains(QStringLiteral("CReminder schema unknown!\n")));
    EXPECT_TRUE(trace.Contains(QStringLiteral("Loading schema 1 CReminder\n")));
    EXPECT_EQ(r.m_Message, QStringLiteral("bare"));
    EXPECT_EQ(r.m_IconName, QStringLiteral("kept")); // 99 is no built-in icon
}

TEST(IconNames, TableAndMap)
{
    EXPECT_EQ(CIconTable::Name(0), QStringLiteral("Kestrelmark"));
    EXPECT_EQ(CIconTable::Name(13), QStringLiteral("HANUKKAH"));
    EXPECT_EQ(CIconTable::Name(62), QStringLiteral("Skull"));
    EXPECT_EQ(CIconTable::Name(63), QString());
    EXPECT_EQ(CIconTable::Row(30).m_res32, 243);
    EXPECT_EQ(CIconTable::Row(62).m_mask16, 530);

    CIconNameMap map;
    EXPECT_EQ(map.Lookup(QStringLiteral("Birthday")), 0); // nothing loaded yet
    map.RegisterBuiltinNames();
    EXPECT_EQ(map.Lookup(QStringLiteral("Birthday")), 1);
    CTraceRecorder trace;
    EXPECT_EQ(map.Lookup(QStringLiteral("birthday")), 0);
    EXPECT_TRUE(trace.Contains(QStringLiteral("Couldn't find icon birthday --- returning 0!\n")));
    map.Register(QStringLiteral("Birthday"), 40);
    EXPECT_EQ(map.Lookup(QStringLiteral("Birthday")), 1); // first registration wins
    map.Register(QStringLiteral("sub\\broken.ico"), CIconNameMap::kFailed);
    EXPECT_EQ(map.Lookup(QStringLiteral("sub\\broken.ico")), 0);
    map.RemoveAll();
    EXPECT_EQ(map.GetCount(), 0);
}

TEST(IconNames, ElfHash)
{
    EXPECT_EQ(CIconNameMap::ElfHash(""), 0u);
    EXPECT_EQ(CIconNameMap::ElfHash("a"), 97u);
    EXPECT_EQ(CIconNameMap::ElfHash("ab"), 97u * 16 + 98);
    // Long names fold the top nibble back in and never set it.
    const unsigned h = CIconNameMap::ElfHash("Square Violet and a much longer name");
    EXPECT_EQ(h & 0xF0000000u, 0u);
    unsigned ref = 0;
    for (unsigned char c : QByteArray("Square Violet and a much longer name")) {
        ref = (ref << 4) + c;
        if (unsigned g = ref & 0xF0000000u)
            ref ^= g >> 24;
        ref &= ~0xF0000000u;
    }
    EXPECT_EQ(h, ref);
    // High bytes count as unsigned.
    EXPECT_EQ(CIconNameMap::ElfHash(QByteArray("\xE9")), 0xE9u);
}

} // namespace
