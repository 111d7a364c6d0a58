// The listing's record list must place and describe every reminder as the
// reminder list does, down to the repairs a load makes.
#include "model/CArchive.h"
#include "model/CReminderList.h"
#include "storage/CPrintSelection.h"
#include "storage/CRecordDayList.h"
#include "storage/CReminderFileFormat.h"
#include "support/CTraceRecorder.h"
#include "support/ReminderMaker.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// A current file of these records, with a null one (dated 1987) after the
// first unless told otherwise.
QByteArray currentFile(const std::vector<CReminder> &reminders, bool withNull = true)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteDWord(0);
    ar.WriteString(CReminderFileFormat::kBanner);
    ar.WriteDWord(static_cast<quint32>(reminders.size() + (withNull ? 1 : 0)));
    for (size_t i = 0; i < reminders.size(); ++i) {
        ar.WriteObject(&reminders[i]);
        if (i == 0 && withNull)
            ar.WriteObject(nullptr);
    }
    ar.Close();
    return buffer.data();
}

// A legacy file: a count and bare records with icon numbers only.
QByteArray legacyFile()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteDWord(2);
    for (int i = 0; i < 2; ++i) {
        ar.WriteDate(COleDateTime(2024, 3, 2 - i, 9, 0, 0));
        ar.WriteSpan(COleDateTimeSpan(0.5));
        ar.WriteWord(static_cast<quint16>(i * 3));
        ar.WriteString(QStringLiteral("legacy %1").arg(i));
        ar.WriteWord(RecurMonthly);
        ar.WriteByte(0);
        ar.WriteByte(0);
        ar.WriteDate(COleDateTime(31790.0));
        ar.WriteSpan(COleDateTimeSpan(1.0));
    }
    ar.Close();
    return buffer.data();
}

const COleDateTime kFrom(1987, 1, 1, 0, 0, 0);
const COleDateTime kTo(2024, 4, 1, 0, 0, 0);

void read(CRecordDayList &records, QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    records.Read(device, kFrom, kTo);
}

// The occurrences of the days from first to end, from the reminder list
// and from the records read for those days alone, are the same ones.
// Gives how many records were kept.
int expectSameOccurrences(const CReminderList &list, QByteArray bytes, const COleDateTime &first,
                          const COleDateTime &end, int limit)
{
    SCOPED_TRACE((first.Format() + QStringLiteral(" to ") + end.Format()).toStdString());
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    CRecordDayList records;
    records.Read(device, first, end);
    EXPECT_LE(records.GetSize(), list.GetSize());
    const auto fromList = CPrintSelection::Occurrences(list, first, end, limit);
    const auto fromRecords = CPrintSelection::Occurrences(records, first, end, limit);
    EXPECT_EQ(fromRecords.size(), fromList.size());
    for (size_t i = 0; i < std::min(fromList.size(), fromRecords.size()); ++i) {
        const CRecordDayList::Entry &e = records[fromRecords[i].m_Index];
        EXPECT_EQ(e.m_Index, fromList[i].m_Index);
        EXPECT_EQ(fromRecords[i].m_When, fromList[i].m_When);
        EXPECT_EQ(records.Message(e), list[e.m_Index].m_Message);
    }
    return records.GetSize();
}

void expectSameListing(const QByteArray &bytes)
{
    std::vector<CReminder> reminders;
    CReminderFileFormat::Read(QByteArrayView(bytes), reminders);
    CReminderList list;
    list.Assign(std::move(reminders));
    CRecordDayList records;
    read(records, bytes);

    ASSERT_GT(records.GetSize(), 0);
    for (int i = 0; i < records.GetSize(); ++i) {
        const CRecordDayList::Entry &e = records[i];
        ASSERT_GE(e.m_Index, 0);
        ASSERT_LT(e.m_Index, list.GetSize());
        const CReminder &r = list[e.m_Index];
        SCOPED_TRACE(e.m_Index);
        EXPECT_EQ(records.Message(e), r.m_Message);
        EXPECT_EQ(records.IconName(e), r.m_IconName);
        EXPECT_EQ(e.m_Recurrence, r.m_Recurrence);
        EXPECT_EQ(e.m_AdvanceNotice, r.m_AdvanceNotice);
        if (!e.m_DateWasInvalid) { // else each took the time it was read
            EXPECT_EQ(e.m_DateTime, r.m_DateTime);
        }
    }
    for (int limit : { 0, 2 }) {
        EXPECT_FALSE(CPrintSelection::Occurrences(list, kFrom, kTo, limit).empty());
        expectSameOccurrences(list, bytes, kFrom, kTo, limit);
    }
}

} // namespace

TEST(RecordDayList, PlacesAndDescribesEveryRecordAsTheReminderListDoes)
{
    std::vector<CReminder> reminders {
        MakeDatedReminder(COleDateTime(2024, 3, 5, 18, 0, 0), RecurOneTime, QStringLiteral("late"), QStringLiteral("Birthday")),
        MakeDatedReminder(COleDateTime(2024, 1, 8, 7, 30, 0), RecurWeekly, QStringLiteral("caf\u00e9 \"quoted\"\r\nnext"),
                 QStringLiteral("Birthday")),
        MakeDatedReminder(COleDateTime(2023, 2, 29 - 1, 9, 0, 0), RecurAnnual, QStringLiteral("\u20ac 5 rent"),
                 QStringLiteral("_12")),
        MakeDatedReminder(COleDateTime(2024, 3, 5, 18, 0, 0), RecurMonthly, QStringLiteral("\u03a9 wide"), QStringLiteral("Cake")),
        MakeDatedReminder(COleDateTime(2024, 3, 5, 18, 0, 0), RecurOneTime, QString(), QStringLiteral("Birthday")),
    };
    CReminder broken = MakeDatedReminder(COleDateTime(), RecurOneTime, QStringLiteral("broken"));
    broken.m_DateTime.SetStatus(COleDateTime::invalid);
    broken.m_AdvanceNotice = COleDateTimeSpan(std::nan(""), COleDateTimeSpan::valid);
    reminders.push_back(broken);
    expectSameListing(currentFile(reminders));
    expectSameListing(legacyFile());
}

TEST(RecordDayList, ADamagedFileIsRefusedAsReadingRemindersRefusesIt)
{
    const QByteArray whole = currentFile({ MakeDatedReminder(COleDateTime(2024, 1, 1, 0, 0, 0), RecurOneTime,
                                                    QStringLiteral("message")) });
    CRecordDayList records;
    EXPECT_THROW(read(records, whole.left(whole.size() - 5)), std::exception);
}

// Loading the reminders traces which form the file is in. The listing's
// pass over a current file traces nothing: a first trace line sets up the
// whole logging configuration, a good part of a small listing's run.
TEST(RecordDayList, ReadsACurrentFileWithoutTheLoadingTrace)
{
    const QByteArray current = currentFile({ MakeDatedReminder(COleDateTime(2024, 1, 1, 0, 0, 0), RecurOneTime,
                                                      QStringLiteral("message")) });
    CTraceRecorder trace;
    CRecordDayList records;
    read(records, current);
    EXPECT_EQ(trace.Lines(), QStringList());
    std::vector<CReminder> reminders;
    CReminderFileFormat::Read(QByteArrayView(current), reminders);
    EXPECT_EQ(trace.Lines(), QStringList { QStringLiteral("Possibly reading new-fangled KM 2.0+ array?\n") });
    reminders.clear();
    CReminderFileFormat::Read(QByteArrayView(legacyFile()), reminders);
    EXPECT_EQ(trace.Lines().value(1), QStringLiteral("Reading old KM 1.x reminder file.\n"));
}

// A listing keeps only the records that can fall on its days; what it
// lists, and the indexes it gives, are those of the whole list, in a file
// in date order and in one that is not.
TEST(RecordDayList, ReadForSomeDaysListsWhatTheWholeListDoes)
{
    std::vector<CReminder> reminders;
    unsigned seed = 7;
    const auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    for (int i = 0; i < 400; ++i) {
        const int year = 2022 + static_cast<int>(next(4));
        const int month = 1 + static_cast<int>(next(12));
        const int day = 1 + static_cast<int>(next(month == 2 ? (year % 4 ? 28 : 29) : 30));
        reminders.push_back(MakeDatedReminder(COleDateTime(year, month, day, static_cast<int>(next(24)), 0, 0),
                                     static_cast<int>(next(4)), QStringLiteral("r%1 \u00e9").arg(i)));
    }
    CReminder unknown = MakeDatedReminder(COleDateTime(2024, 3, 1, 9, 0, 0), 9, QStringLiteral("unknown kind"));
    reminders.push_back(unknown);
    for (const bool inOrder : { true, false }) {
        SCOPED_TRACE(inOrder ? "in date order" : "out of order");
        std::vector<CReminder> stored = reminders;
        if (inOrder)
            std::stable_sort(stored.begin(), stored.end(), [](const CReminder &a, const CReminder &b) {
                return a.m_DateTime < b.m_DateTime;
            });
        const QByteArray bytes = currentFile(stored, !inOrder);
        std::vector<CReminder> loaded;
        CReminderFileFormat::Read(QByteArrayView(bytes), loaded);
        CReminderList list;
        list.Assign(std::move(loaded));
        const struct { COleDateTime first, end; } windows[] {
            { COleDateTime(2024, 2, 1, 0, 0, 0), COleDateTime(2024, 3, 1, 0, 0, 0) }, // to a 29 February
            { COleDateTime(2023, 12, 30, 0, 0, 0), COleDateTime(2024, 1, 2, 0, 0, 0) }, // across a new year
            { COleDateTime(2024, 7, 4, 0, 0, 0), COleDateTime(2024, 7, 5, 0, 0, 0) },
            { COleDateTime(2021, 6, 1, 0, 0, 0), COleDateTime(2021, 7, 1, 0, 0, 0) }, // before them all
            { COleDateTime(2023, 5, 10, 0, 0, 0), COleDateTime(2024, 8, 1, 0, 0, 0) }, // over a year
        };
        for (const auto &w : windows) {
            const int kept = expectSameOccurrences(list, bytes, w.first, w.end, 0);
            expectSameOccurrences(list, bytes, w.first, w.end, 3);
            // Out of order, every record is read to place them.
            if (inOrder)
                EXPECT_LT(kept, list.GetSize());
            else
                EXPECT_EQ(kept, list.GetSize());
        }
    }
}
