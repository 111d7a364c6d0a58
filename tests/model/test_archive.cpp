#include "model/CArchive.h"
#include "model/CArchiveException.h"
#include "model/CFileException.h"
#include "model/CReminder.h"

#include <QBuffer>
#include <cmath>
#include <limits>
#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(static_cast<char>(v));
    return b;
}

template <typename F>
QByteArray stored(F write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    write(ar);
    ar.Close();
    return buffer.data();
}

// Every read is tried twice: over a device, as packs are read, and
// straight from the bytes in memory, as reminder files are.
template <typename F>
void loaded(const QByteArray &data, F read)
{
    {
        SCOPED_TRACE("over a device");
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        CArchive ar(&buffer, CArchive::load);
        read(ar);
    }
    {
        SCOPED_TRACE("from memory");
        CArchive ar { QByteArrayView(data) };
        read(ar);
    }
}

TEST(ArchivePrimitives, LittleEndianWithoutPadding)
{
    const QByteArray b = stored([](CArchive &ar) {
        ar.WriteByte(0xAB);
        ar.WriteWord(0x1234);
        ar.WriteLong(-2);
        ar.WriteDWord(0xDEADBEEF);
        ar.WriteDouble(31790.0);
    });
    EXPECT_EQ(b, bytes({ 0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE,
                         0x00, 0x00, 0x00, 0x00, 0x80, 0x0B, 0xDF, 0x40 }));
    loaded(b, [](CArchive &ar) {
        EXPECT_EQ(ar.ReadByte(), 0xAB);
        EXPECT_EQ(ar.ReadWord(), 0x1234);
        EXPECT_EQ(ar.ReadLong(), -2);
        EXPECT_EQ(ar.ReadDWord(), 0xDEADBEEFu);
        EXPECT_DOUBLE_EQ(ar.ReadDouble(), 31790.0);
        EXPECT_THROW(ar.ReadByte(), CArchiveException);
    });
}

struct PrefixCase { int length; QByteArray prefix; };

class StringPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(StringPrefix, ShortestFormForTheLength)
{
    const PrefixCase c = GetParam();
    const QString text(c.length, QLatin1Char('x'));
    const QByteArray b = stored([&](CArchive &ar) { ar.WriteString(text); });
    ASSERT_EQ(b.size(), c.prefix.size() + c.length);
    EXPECT_EQ(b.left(c.prefix.size()).toHex(), c.prefix.toHex());
    loaded(b, [&](CArchive &ar) { EXPECT_EQ(ar.ReadString(), text); });
}

INSTANTIATE_TEST_SUITE_P(Lengths, StringPrefix, ::testing::Values(
    PrefixCase { 0, bytes({ 0x00 }) },
    PrefixCase { 254, bytes({ 0xFE }) },
    PrefixCase { 255, bytes({ 0xFF, 0xFF, 0x00 }) },
    PrefixCase { 65533, bytes({ 0xFF, 0xFD, 0xFF }) },
    PrefixCase { 65534, bytes({ 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 }) }));

TEST(ArchiveStrings, AnsiIsWindows1252)
{
    const QString text = QStringLiteral("\u20ACuro caf\u00E9 \u2013 ok");
    const QByteArray b = stored([&](CArchive &ar) { ar.WriteString(text); });
    EXPECT_EQ(b, bytes({ 14, 0x80, 'u', 'r', 'o', ' ', 'c', 'a', 'f', 0xE9, ' ', 0x96, ' ' }) + "ok");
    loaded(b, [&](CArchive &ar) { EXPECT_EQ(ar.ReadString(), text); });
}

TEST(ArchiveStrings, UndefinedAnsiBytesSurviveARoundTrip)
{
    const QByteArray raw = bytes({ 3, 0x81, 0x8D, 0x9D });
    QString text;
    loaded(raw, [&](CArchive &ar) { text = ar.ReadString(); });
    EXPECT_EQ(stored([&](CArchive &ar) { ar.WriteString(text); }), raw);
}

TEST(ArchiveStrings, SixteenBitFormIsReadAndWrittenForTextBeyondAnsi)
{
    // 0xFF 0xFFFE marker, then a one-byte count of UTF-16 units.
    const QByteArray greek = bytes({ 0xFF, 0xFE, 0xFF, 0x02, 0xB1, 0x03, 0xB2, 0x03 });
    loaded(greek, [](CArchive &ar) { EXPECT_EQ(ar.ReadString(), QStringLiteral("\u03B1\u03B2")); });
    EXPECT_EQ(stored([](CArchive &ar) { ar.WriteString(QStringLiteral("\u03B1\u03B2")); }), greek);
    // An emoji is two UTF-16 units.
    const QString emoji = QStringLiteral("cake \U0001F382");
    const QByteArray b = stored([&](CArchive &ar) { ar.WriteString(emoji); });
    EXPECT_EQ(b.left(4), bytes({ 0xFF, 0xFE, 0xFF, 7 }));
    loaded(b, [&](CArchive &ar) { EXPECT_EQ(ar.ReadString(), emoji); });
    // A 16-bit string whose text is plain ANSI loads as that text.
    loaded(bytes({ 0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0 }),
           [](CArchive &ar) { EXPECT_EQ(ar.ReadString(), QStringLiteral("hi")); });
}

TEST(ArchiveStrings, LengthsPastTheEndAreEndOfFileWithoutAllocating)
{
    // Claims four thousand million characters, holds three.
    loaded(bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c' }), [](CArchive &ar) {
        try {
            ar.ReadString();
            FAIL() << "no exception";
        } catch (const CArchiveException &e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        }
    });
    loaded(bytes({ 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F }),
           [](CArchive &ar) { EXPECT_THROW(ar.ReadString(), CArchiveException); });
    loaded(bytes({ 0x05, 'a', 'b' }), [](CArchive &ar) { EXPECT_THROW(ar.ReadString(), CArchiveException); });
}

TEST(ArchiveDates, StatusAndValueRoundTripExactly)
{
    const QByteArray b = stored([](CArchive &ar) {
        ar.WriteDate(COleDateTime(31790.0));
        ar.WriteDate(COleDateTime(12.5, COleDateTime::invalid));
        ar.WriteSpan(COleDateTimeSpan(-3.25, COleDateTimeSpan::null));
    });
    ASSERT_EQ(b.size(), 36);
    EXPECT_EQ(b.left(12), bytes({ 0, 0, 0, 0, 0x00, 0x00, 0x00, 0x00, 0x80, 0x0B, 0xDF, 0x40 }));
    EXPECT_EQ(b.mid(12, 4), bytes({ 1, 0, 0, 0 }));
    loaded(b, [](CArchive &ar) {
        EXPECT_EQ(ar.ReadDate(), COleDateTime(31790.0));
        const COleDateTime bad = ar.ReadDate();
        EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
        EXPECT_DOUBLE_EQ(bad.GetValue(), 12.5);
        const COleDateTimeSpan s = ar.ReadSpan();
        EXPECT_EQ(s.GetStatus(), COleDateTimeSpan::null);
        EXPECT_DOUBLE_EQ(s.GetValue(), -3.25);
    });
}

// Status words and day counts no writer of ours produces, as damaged or
// hostile files hold them: taken as invalid, never cast or converted.
TEST(ArchiveDates, UnknownStatusWordsAndDayCountsOutsideTheCalendarAreInvalid)
{
    const double nan = std::nan("");
    const QByteArray b = stored([&](CArchive &ar) {
        for (qint32 status : { 3, -1, 0x7FFFFFFF }) {
            ar.WriteLong(status);
            ar.WriteDouble(100.0);
        }
        for (double days : { nan, 1e277, -1e277, std::numeric_limits<double>::infinity(), 2958466.5, -657435.0 }) {
            ar.WriteLong(0);
            ar.WriteDouble(days);
        }
        ar.WriteLong(9);
        ar.WriteDouble(1.0);
        ar.WriteLong(0);
        ar.WriteDouble(nan);
    });
    loaded(b, [](CArchive &ar) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ar.ReadDate().GetStatus(), COleDateTime::invalid) << "status " << i;
        for (int i = 0; i < 6; ++i) {
            const COleDateTime d = ar.ReadDate();
            EXPECT_EQ(d.GetStatus(), COleDateTime::invalid) << "day count " << i;
            EXPECT_EQ(d.DayNumber(), COleDateTime::kNoDayNumber) << "day count " << i;
        }
        EXPECT_EQ(ar.ReadSpan().GetStatus(), COleDateTimeSpan::invalid);
        EXPECT_EQ(ar.ReadSpan().GetStatus(), COleDateTimeSpan::invalid);
    });
    // The calendar's own ends still count.
    EXPECT_EQ(COleDateTime(2958465.5).DayNumber(), 2958465);
    EXPECT_EQ(COleDateTime(-657434.0).DayNumber(), -657434);
}

QByteArray reminderBody()
{
    CReminder r;
    return stored([&](CArchive &ar) { r.Serialize(ar); });
}

TEST(ArchiveObjects, ClassRecordThenShortTags)
{
    CReminder a, b, c;
    const QByteArray data = stored([&](CArchive &ar) {
        ar.WriteObject(&a);
        ar.WriteObject(&b);
        ar.WriteObject(nullptr);
        ar.WriteObject(&c);
    });
    const QByteArray body = reminderBody();
    const QByteArray expected = bytes({ 0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00 }) + "CReminder" + body
        + bytes({ 0x01, 0x80 }) + body + bytes({ 0x00, 0x00 }) + bytes({ 0x01, 0x80 }) + body;
    EXPECT_EQ(data.toHex(), expected.toHex());

    loaded(data, [](CArchive &ar) {
        EXPECT_NE(ar.ReadObject(&CReminder::classCReminder), nullptr);
        EXPECT_NE(ar.ReadObject(&CReminder::classCReminder), nullptr);
        EXPECT_EQ(ar.ReadObject(&CReminder::classCReminder), nullptr);
        EXPECT_NE(ar.ReadObject(&CReminder::classCReminder), nullptr);
    });
}

CArchiveException::Cause causeOf(const QByteArray &data)
{
    try {
        loaded(data, [](CArchive &ar) {
            ar.ReadObject(&CReminder::classCReminder);
            ar.ReadObject(&CReminder::classCReminder);
        });
    } catch (const CArchiveException &e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

TEST(ArchiveObjects, FaultsAreToldApart)
{
    EXPECT_EQ(causeOf(bytes({ 0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00 }) + "CWidget"), CArchiveException::badClass);
    EXPECT_EQ(causeOf(bytes({ 0xFF, 0xFF, 0x02, 0x00, 64, 0x00 }) + QByteArray(64, 'C')), CArchiveException::badClass);
    // A class index never introduced.
    EXPECT_EQ(causeOf(bytes({ 0x01, 0x80 })), CArchiveException::badIndex);
    EXPECT_EQ(causeOf(bytes({ 0xFF, 0x7F, 0x05, 0x00, 0x00, 0x80 })), CArchiveException::badIndex);
    // Back-references are never written by the program.
    EXPECT_EQ(causeOf(bytes({ 0x03, 0x00 })), CArchiveException::badIndex);
    // The object index (2) is not a class.
    EXPECT_EQ(causeOf(bytes({ 0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00 }) + "CReminder" + reminderBody()
                      + bytes({ 0x02, 0x80 })), CArchiveException::badIndex);
    EXPECT_EQ(causeOf(bytes({ 0xFF, 0xFF, 0x02 })), CArchiveException::endOfFile);
}

TEST(ArchiveObjects, BigTagNamesTheClassToo)
{
    const QByteArray first = bytes({ 0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00 }) + "CReminder" + reminderBody();
    const QByteArray big = bytes({ 0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80 }) + reminderBody();
    EXPECT_EQ(causeOf(first + big), CArchiveException::none);
}

TEST(ArchiveObjects, SchemaIsSeenOnceBySerialize)
{
    QByteArray record = bytes({ 0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00 }) + "CReminder";
    CReminder r;
    record += stored([&](CArchive &ar) {
        ar.WriteDate(r.m_DateTime);
        ar.WriteSpan(r.m_AdvanceNotice);
        ar.WriteWord(1);
        ar.WriteString(QStringLiteral("old"));
        ar.WriteWord(0);
        ar.WriteByte(0);
        ar.WriteByte(0);
        ar.WriteDate(r.m_LastShown);
        ar.WriteSpan(r.m_ReshowInterval);
    });
    loaded(record, [](CArchive &ar) {
        auto obj = ar.ReadObject(&CReminder::classCReminder);
        ASSERT_NE(obj, nullptr);
        EXPECT_EQ(static_cast<CReminder *>(obj.get())->m_Message, QStringLiteral("old"));
        EXPECT_EQ(ar.GetObjectSchema(), CArchive::kUnknownSchema);
    });
}

class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 budget) : m_budget(budget) { open(QIODevice::WriteOnly); }
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override
    {
        if (m_budget < len)
            return -1;
        m_budget -= len;
        return len;
    }

private:
    qint64 m_budget;
};

TEST(ArchiveDevice, WriteFailureIsAFileException)
{
    FailingDevice device(100);
    CArchive ar(&device, CArchive::store, 64);
    EXPECT_THROW({
        for (int i = 0; i < 100; ++i)
            ar.WriteDWord(1);
        ar.Close();
    }, CFileException);
}

} // namespace

TEST(ArchiveStrings, RepeatedNamesShareOneStringAndLongOnesStillRead)
{
    const QString longName = QString(300, QLatin1Char('x')); // longer than the one-byte length
    const QByteArray data = stored([&](CArchive &ar) {
        for (int i = 0; i < 3; ++i)
            ar.WriteString(QStringLiteral("Birthday"));
        ar.WriteString(QStringLiteral("caf\u00e9 \u20ac"));
        ar.WriteString(QStringLiteral("caf\u00e9 \u20ac"));
        ar.WriteString(QStringLiteral("\u03B1"));
        ar.WriteString(longName);
        ar.WriteString(QString());
        for (int i = 0; i < 1100; ++i) // more than are kept for sharing
            ar.WriteString(QStringLiteral("icon%1").arg(i));
        ar.WriteString(QStringLiteral("icon1099"));
    });
    loaded(data, [&](CArchive &ar) {
        const QString a = ar.ReadSharedString(), b = ar.ReadSharedString(), c = ar.ReadSharedString();
        EXPECT_EQ(a, QStringLiteral("Birthday"));
        EXPECT_EQ(a.constData(), b.constData());
        EXPECT_EQ(a.constData(), c.constData());
        const QString euro1 = ar.ReadSharedString(), euro2 = ar.ReadSharedString();
        EXPECT_EQ(euro1, QStringLiteral("caf\u00e9 \u20ac"));
        EXPECT_EQ(euro1.constData(), euro2.constData());
        EXPECT_EQ(ar.ReadSharedString(), QStringLiteral("\u03B1"));
        EXPECT_EQ(ar.ReadSharedString(), longName);
        EXPECT_TRUE(ar.ReadSharedString().isEmpty());
        for (int i = 0; i < 1100; ++i)
            ASSERT_EQ(ar.ReadSharedString(), QStringLiteral("icon%1").arg(i));
        EXPECT_EQ(ar.ReadSharedString(), QStringLiteral("icon1099"));
        EXPECT_THROW(ar.ReadSharedString(), CArchiveException);
    });
}
