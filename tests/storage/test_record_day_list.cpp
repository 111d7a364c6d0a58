// The listing's record list must place and describe every reminder as the
// reminder list does, down to the repairs a load makes.
#include "model/CArchive.h"
#include "model/CReminderList.h"
#include "storage/CPrintSelection.h"
#include "storage/CRecordDayList.h"
#include "storage/CReminderFileFormat.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

CReminder reminder(const COleDateTime &when, int recurrence, const QString &message, const QString &icon = {})
{
    CReminder r;
    r.m_DateTime = when;
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_Message = message;
    r.m_IconName = icon;
    return r;
}

// A current file of these records, a null one after the first, out of
// date order.
QByteArray currentFile(const std::vector<CReminder> &reminders)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    ar.WriteDWord(0);
    ar.WriteString(CReminderFileFormat::kBanner);
    ar.WriteDWord(static_cast<quint32>(reminders.size() + 1));
    for (size_t i = 0; i < reminders.size(); ++i) {
        ar.WriteObject(&reminders[i]);
        if (i == 0)
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

void expectSameListing(const QByteArray &bytes)
{
    std::vector<CReminder> reminders;
    CReminderFileFormat::Read(QByteArrayView(bytes), reminders);
    CReminderList list;
    list.Assign(std::move(reminders));
    CRecordDayList records;
    records.Assign(bytes);

    ASSERT_EQ(records.GetSize(), list.GetSize());
    for (int i = 0; i < list.GetSize(); ++i) {
        SCOPED_TRACE(i);
        const CRecordDayList::Entry &e = records[i];
        EXPECT_EQ(records.Message(e), list[i].m_Message);
        EXPECT_EQ(records.IconName(e), list[i].m_IconName);
        EXPECT_EQ(e.m_Recurrence, list[i].m_Recurrence);
        EXPECT_EQ(e.m_AdvanceNotice, list[i].m_AdvanceNotice);
        if (!e.m_DateWasInvalid) // else each took the time it was read
            EXPECT_EQ(e.m_DateTime, list[i].m_DateTime);
    }
    for (int limit : { 0, 2 }) {
        const auto fromList = CPrintSelection::Occurrences(list, COleDateTime(1987, 1, 1, 0, 0, 0),
                                                           COleDateTime(2024, 4, 1, 0, 0, 0), limit);
        const auto fromRecords = CPrintSelection::Occurrences(records, COleDateTime(1987, 1, 1, 0, 0, 0),
                                                              COleDateTime(2024, 4, 1, 0, 0, 0), limit);
        ASSERT_EQ(fromRecords.size(), fromList.size());
        EXPECT_FALSE(fromList.empty());
        for (size_t i = 0; i < fromList.size(); ++i) {
            EXPECT_EQ(fromRecords[i].m_Index, fromList[i].m_Index);
            EXPECT_EQ(fromRecords[i].m_When, fromList[i].m_When);
        }
    }
}

} // namespace

TEST(RecordDayList, PlacesAndDescribesEveryRecordAsTheReminderListDoes)
{
    std::vector<CReminder> reminders {
        reminder(COleDateTime(2024, 3, 5, 18, 0, 0), RecurOneTime, QStringLiteral("late"), QStringLiteral("Birthday")),
        reminder(COleDateTime(2024, 1, 8, 7, 30, 0), RecurWeekly, QStringLiteral("caf\u00e9 \"quoted\"\r\nnext"),
                 QStringLiteral("Birthday")),
        reminder(COleDateTime(2023, 2, 29 - 1, 9, 0, 0), RecurAnnual, QStringLiteral("\u20ac 5 rent"),
                 QStringLiteral("_12")),
        reminder(COleDateTime(2024, 3, 5, 18, 0, 0), RecurMonthly, QStringLiteral("\u03a9 wide"), QStringLiteral("Cake")),
        reminder(COleDateTime(2024, 3, 5, 18, 0, 0), RecurOneTime, QString(), QStringLiteral("Birthday")),
    };
    CReminder broken = reminder(COleDateTime(), RecurOneTime, QStringLiteral("broken"));
    broken.m_DateTime.SetStatus(COleDateTime::invalid);
    broken.m_AdvanceNotice = COleDateTimeSpan(std::nan(""), COleDateTimeSpan::valid);
    reminders.push_back(broken);
    expectSameListing(currentFile(reminders));
    expectSameListing(legacyFile());
}

TEST(RecordDayList, ADamagedFileIsRefusedAsReadingRemindersRefusesIt)
{
    const QByteArray whole = currentFile({ reminder(COleDateTime(2024, 1, 1, 0, 0, 0), RecurOneTime,
                                                    QStringLiteral("message")) });
    CRecordDayList records;
    EXPECT_THROW(records.Assign(whole.left(whole.size() - 5)), std::exception);
}
