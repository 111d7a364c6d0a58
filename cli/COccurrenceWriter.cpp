#include "cli/COccurrenceWriter.h"

#include "model/CReminder.h"
#include "storage/CRecordDayList.h"

#include <cmath>
#include <cstring>

using Cursor = CJsonStream::Cursor;

bool COccurrenceWriter::IsoMemo::Show(const COleDateTime &dt)
{
    const double value = dt.GetValue();
    if (m_Known && m_Value == value)
        return true;
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    const auto put = [this](int at, int number) { // two digits
        std::memcpy(m_Iso + at, kPairs + 2 * number, 2);
    };
    long long day = 0;
    int second = 0;
    m_Known = dt.GetDayAndSecond(day, second);
    if (!m_Known)
        return false;
    if (day != m_Day) {
        int year = 0, month = 0, dayOfMonth = 0;
        COleDateTime::DateOfDay(day, year, month, dayOfMonth);
        if (year < 0 || year > 9999) // no four-digit text (the calendar stops at 9999)
            return m_Known = false;
        put(0, year / 100);
        put(2, year % 100);
        put(5, month);
        put(8, dayOfMonth);
        m_Day = day;
    }
    put(11, second / 3600);
    put(14, second / 60 % 60);
    put(17, second % 60);
    m_Value = value;
    return true;
}

namespace {

[[gnu::always_inline]] inline void writeSpan(Cursor &c, CJsonStream::Key key, const COleDateTimeSpan &s)
{
    c.BeginObject(key);
    c.Value("days", s.GetValue());
    c.Value("status", static_cast<int>(s.GetStatus()));
    c.EndObject();
}

[[gnu::always_inline]] inline void writeDate(Cursor &c, CJsonStream::Key key, const COleDateTime &dt,
                                             COccurrenceWriter::IsoMemo &memo)
{
    c.BeginObject(key);
    c.Value("days", dt.GetValue());
    if (memo.Show(dt) && dt.GetStatus() == COleDateTime::valid)
        c.Value("iso", memo.m_Iso, sizeof memo.m_Iso - 1);
    c.Value("status", static_cast<int>(dt.GetStatus()));
    c.EndObject();
}

} // namespace

void COccurrenceWriter::WriteCompact(const CRecordDayList &list, int index, const COleDateTime &dateTime)
{
    const CRecordDayList::Entry &e = list[index];
    // Most messages go from the file's code page to the listing as they are.
    const bool ansi = !e.m_DateWasInvalid && !e.m_MessageWide;
    const QByteArrayView ansiMessage(e.m_Message, e.m_MessageBytes);
    QString message;
    if (!ansi)
        message = list.Message(e);
    const QByteArray &icon = iconJson(list, e);
    const bool hasNotice = e.m_AdvanceNotice.GetStatus() == COleDateTimeSpan::valid;
    const bool showWhen = m_occurrence.Show(dateTime) && dateTime.GetStatus() == COleDateTime::valid;
    const bool showOwn = m_own.Show(e.m_DateTime) && e.m_DateTime.GetStatus() == COleDateTime::valid;

    // One line, its members in the order a JSON document sorts them.
    static constexpr char kIsoOpen[] = "\"iso\":\"";
    constexpr size_t kIsoRoom = sizeof kIsoOpen - 1 + sizeof m_own.m_Iso + 1;
    constexpr size_t kFixedRoom = 128 + 2 * kIsoRoom + 3 * Cursor::kNumberRoom;
    Cursor c = m_json.Begin();
    c.BeginObject();
    c.Room(kFixedRoom + static_cast<size_t>(icon.size())
           + (ansi ? Cursor::AnsiRoom(ansiMessage) : Cursor::TextRoom(message)));
    const auto putIso = [&c](bool show, const IsoMemo &memo) {
        c.Put("{");
        if (show) {
            c.Put(kIsoOpen);
            c.Put(memo.m_Iso, sizeof memo.m_Iso - 1);
            c.Put("\"");
        }
        c.Put("}");
    };
    c.Put("\"dateTime\":");
    putIso(showWhen, m_occurrence);
    c.Put(",\"iconName\":");
    c.Put(icon.constData(), static_cast<size_t>(icon.size()));
    c.Put(",\"index\":");
    c.PutInt(e.m_Index); // in the whole list
    c.Put(",\"message\":");
    if (ansi)
        c.PutAnsi(ansiMessage);
    else
        c.PutText(message);
    // To the second: a notice's days seldom add up to whole minutes exactly.
    if (hasNotice) {
        c.Put(",\"noticeMinutes\":");
        c.PutNumber(std::round(e.m_AdvanceNotice.GetTotalSeconds()) / 60.0);
    }
    c.Put(",\"recurrence\":");
    c.PutInt(static_cast<int>(e.m_Recurrence));
    c.Put(",\"reminderDateTime\":");
    putIso(showOwn, m_own);
    c.EndObject();
    m_json.End(c);
}

const QByteArray &COccurrenceWriter::iconJson(const CRecordDayList &list, const CRecordDayList::Entry &e)
{
    if (e.m_IconName >= m_iconJson.size())
        m_iconJson.resize(e.m_IconName + 1);
    QByteArray &json = m_iconJson[e.m_IconName];
    if (json.isEmpty()) // never once quoted
        json = CJsonStream::Quoted(list.IconName(e));
    return json;
}

void COccurrenceWriter::WriteFull(const CReminder &r, const COleDateTime &dateTime)
{
    Cursor c = m_json.Begin();
    c.BeginObject();
    writeSpan(c, "advanceNotice", r.m_AdvanceNotice);
    writeDate(c, "dateTime", dateTime, m_occurrence);
    c.Value("iconName", r.m_IconName);
    c.Value("iconNumber", static_cast<int>(r.m_IconNumber));
    c.Value("id", QString::number(r.Id()));
    writeDate(c, "lastShown", r.m_LastShown, m_lastShown);
    c.Value("message", r.m_Message);
    c.Value("private", r.m_Private);
    c.Value("recurrence", static_cast<int>(r.m_Recurrence));
    c.Value("reservedFlag", r.m_ReservedFlag);
    c.Value("reservedFlag2", r.m_ReservedFlag2);
    writeSpan(c, "reservedSpan", r.m_ReservedSpan);
    writeSpan(c, "reshowInterval", r.m_ReshowInterval);
    c.Value("shown", r.m_Shown);
    c.Value("soundFileName", r.m_SoundFileName);
    c.EndObject();
    m_json.End(c);
}
