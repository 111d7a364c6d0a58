// Other programs' events through every edit the sync carries, judged by
// what those programs then see: the occurrences libical expands before and
// after, the alarms, and the properties a meeting's organiser owns.
#include "ical/CIcsFields.h"
#include "model/CSnooze.h"
#include "support/CIcsExpand.h"
#include "sync/CSyncPlan.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

enum Edit { Answer, Snooze, Title, Later90Minutes, NextDay, AcrossMonthEnd, Notice30, Notice5, DeleteOne };
const char *const kEditNames[] = { "Answer", "Snooze", "Title", "Later90Minutes", "NextDay",
                                   "AcrossMonthEnd", "Notice30", "Notice5", "DeleteOne" };

struct Peer
{
    const char *name;
    const char *file;
    int monthEndDays;          // a move that crosses a month end
    std::vector<Edit> kept;    // edits the event cannot take: they stay here
    int alarms;                // display and audio ones
    bool meeting = false;      // organised by someone else
};

const std::vector<Peer> kPeers {
    { "Phone", "sync/phone-event.ics", 25, {}, 1 },
    { "Thunderbird", "ics/icalendar/calendars/alarm_thunderbird_closed.ics", -23, { Notice5 }, 2 },
    { "AllDay", "sync/allday-birthday.ics", 3, { Later90Minutes }, 1 },
    { "LastFriday", "sync/last-friday.ics", 7, { NextDay, AcrossMonthEnd }, 1 },
    { "Fortnightly", "sync/fortnightly.ics", 7, { Notice5, DeleteOne }, 2 },
    { "Meeting", "sync/meeting.ics", 7, { Title, Later90Minutes, NextDay, AcrossMonthEnd }, 1, true },
};

const QStringList kMine { QStringLiteral("me@example.com") };
const QString kPeerCollection = QStringLiteral("/u/cal/");
const QString kPeerHref = kPeerCollection + QStringLiteral("event.ics");
const QDateTime kPeerFrom(QDate(2024, 9, 1), QTime(0, 0), Qt::UTC);
const QDateTime kPeerTo(QDate(2028, 1, 1), QTime(0, 0), Qt::UTC);

QByteArray loadPeer(const char *file)
{
    QFile f(QStringLiteral(KM_TEST_DATA "/") + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    return f.readAll();
}

qint64 moveOf(const Peer &peer, Edit edit)
{
    switch (edit) {
    case Later90Minutes: return 90 * 60;
    case NextDay: return 86400;
    case AcrossMonthEnd: return qint64(peer.monthEndDays) * 86400;
    default: return 0;
    }
}

// The notice alarm: the display or audio one with the longest lead.
size_t noticeAlarm(const std::vector<ics::Alarm> &alarms)
{
    size_t best = alarms.size();
    for (size_t i = 0; i < alarms.size(); ++i)
        if ((alarms[i].m_Action == QLatin1String("DISPLAY") || alarms[i].m_Action == QLatin1String("AUDIO"))
            && (best == alarms.size() || alarms[i].m_Before > alarms[best].m_Before))
            best = i;
    return best;
}

COleDateTime laterBy(const COleDateTime &t, qint64 seconds) { return COleDateTime(t.GetValue() + seconds / 86400.0); }

void PrintTo(const Peer &peer, std::ostream *os) { *os << peer.name; }

class PeerEdit : public ::testing::TestWithParam<std::tuple<Peer, Edit>>
{
};

TEST_P(PeerEdit, MeansWhatItMeantHereForTheOtherPrograms)
{
    const auto &[peer, edit] = GetParam();
    const QByteArray text = loadPeer(peer.file);
    CSyncEvent event;
    QString error;
    ASSERT_TRUE(CSyncIcs::Read(text, event, error)) << error.toStdString();
    ASSERT_FALSE(event.m_Text.isEmpty());
    ASSERT_FALSE(event.m_Reminders.empty());
    // The reminders the event became here, each with its id.
    for (size_t k = 0; k < event.m_Reminders.size(); ++k)
        event.m_Reminders[k].SetId(k + 1);

    CSyncState state;
    state.m_Entries.push_back({ event.m_Uid, kPeerHref, "\"1\"", event.m_Reminders, event.m_Text, event.m_Simplified });
    CSyncPlan::Remote remote;
    remote.m_ETags.insert(kPeerHref, "\"1\"");
    std::vector<CReminder> local = event.m_Reminders;
    CReminder &first = local.front();
    const COleDateTime answeredAt = laterBy(std::max(first.m_DateTime, first.m_LastShown), 20 * 60);
    const qint64 move = moveOf(peer, edit);
    switch (edit) {
    case Answer:
        first.m_Shown = true;
        first.m_LastShown = answeredAt;
        break;
    case Snooze: CSnooze::Snooze(first, answeredAt, 10); break;
    // As the editor saves them: shown no more.
    case Title:
        first.m_Message = QStringLiteral("Renamed here");
        first.ResetShown();
        break;
    case Notice30:
    case Notice5:
        first.m_AdvanceNotice = COleDateTimeSpan(0, 0, edit == Notice30 ? 30 : 5, 0);
        first.ResetShown();
        break;
    case DeleteOne: local.erase(local.begin()); break;
    default:
        // The whole event: each reminder it gave moved alike.
        for (CReminder &r : local) {
            r.m_DateTime = laterBy(r.m_DateTime, move);
            r.ResetShown();
        }
        break;
    }
    const std::vector<CReminder> wanted = local;

    CSyncPlan plan;
    plan.m_OwnAddresses = kMine;
    plan.build(local, state, remote, kPeerCollection);
    ASSERT_LE(plan.m_Ops.size(), 1u);
    const bool kept = std::find(peer.kept.begin(), peer.kept.end(), edit) != peer.kept.end();
    EXPECT_EQ(!plan.m_KeptHere.isEmpty() || (edit == DeleteOne && !plan.m_Simplified.isEmpty()), kept)
        << plan.m_KeptHere.join(QLatin1Char('|')).toStdString();

    // What went up.
    const CSyncPlan::Op *op = plan.m_Ops.empty() ? nullptr : &plan.m_Ops.front();
    if (op)
        EXPECT_EQ(op->m_NotOrganizer, peer.meeting);
    if (edit == DeleteOne && !kept) {
        ASSERT_TRUE(op);
        EXPECT_EQ(op->m_Kind, CSyncPlan::Op::Delete);
        return;
    }
    const bool changesThere = !kept && edit != Snooze;
    ASSERT_EQ(op != nullptr, changesThere);
    const QByteArray after = op ? op->m_Body : text;
    EXPECT_EQ(after.count("\r\n"), after.count('\n')) << "a bare LF";

    // The occurrences: moved alike, or as they were.
    const qint64 moved = changesThere ? move : 0;
    const std::vector<ics::Occurrence> before = ics::Occurrences(text, kPeerFrom, kPeerTo);
    ASSERT_FALSE(before.empty());
    std::vector<ics::Occurrence> expected = ics::Moved(before, moved);
    if (edit == Title && changesThere)
        for (ics::Occurrence &o : expected)
            if (o.m_Summary == ics::Property(text, "SUMMARY"))
                o.m_Summary = QStringLiteral("Renamed here");
    EXPECT_EQ(ics::Occurrences(after, kPeerFrom.addSecs(moved), kPeerTo.addSecs(moved)), expected);

    // The alarms: the notice alarm carries the answer and the new notice;
    // the others stay as they were.
    const std::vector<ics::Alarm> was = ics::Alarms(text), is = ics::Alarms(after);
    ASSERT_EQ(was.size(), is.size());
    const size_t notice = noticeAlarm(was);
    ASSERT_LT(notice, was.size());
    for (size_t i = 0; i < was.size(); ++i) {
        SCOPED_TRACE(i);
        const bool onNotice = i == notice && changesThere;
        EXPECT_EQ(is[i].m_Before, onNotice && edit == Notice30 ? 1800 : onNotice && edit == Notice5 ? 300 : was[i].m_Before);
        const QString answer = first.m_LastShown.ToQDateTime().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
        EXPECT_EQ(is[i].m_Acknowledged.toStdString(),
                  (onNotice && edit == Answer ? answer : was[i].m_Acknowledged).toStdString());
    }
    if (!ics::Property(text, "X-MOZ-LASTACK").isEmpty() && edit == Answer)
        EXPECT_EQ(ics::Property(after, "X-MOZ-LASTACK"), is[notice].m_Acknowledged);

    // An answer is no revision of the event; nothing of a meeting is.
    const bool revised = changesThere && !peer.meeting && edit != Answer;
    for (const char *stamp : { "DTSTAMP", "LAST-MODIFIED" })
        if (!revised)
            EXPECT_EQ(ics::Property(after, stamp), ics::Property(text, stamp)) << stamp;
    if (!revised || edit == Notice30 || edit == Notice5)
        EXPECT_EQ(ics::Property(after, "SEQUENCE"), ics::Property(text, "SEQUENCE"));

    // Read back, the event says what was made here, and the reminder here
    // keeps it whether the event took it or not.
    CSyncEvent back;
    ASSERT_TRUE(CSyncIcs::Read(after, back, error)) << error.toStdString();
    ASSERT_FALSE(plan.m_Local.empty());
    const CReminder &here = plan.m_Local.front();
    EXPECT_EQ(here.m_DateTime, wanted.front().m_DateTime);
    EXPECT_EQ(here.m_Message, wanted.front().m_Message);
    EXPECT_EQ(CIcsFields::NoticeMinutes(here.m_AdvanceNotice), CIcsFields::NoticeMinutes(wanted.front().m_AdvanceNotice));
    if (changesThere) {
        EXPECT_EQ(back.m_Reminders.front().m_DateTime, wanted.front().m_DateTime);
        EXPECT_EQ(back.m_Reminders.front().m_Message, wanted.front().m_Message);
        EXPECT_EQ(CIcsFields::NoticeMinutes(back.m_Reminders.front().m_AdvanceNotice),
                  CIcsFields::NoticeMinutes(wanted.front().m_AdvanceNotice));
    }
}

INSTANTIATE_TEST_SUITE_P(Peers, PeerEdit,
                         ::testing::Combine(::testing::ValuesIn(kPeers),
                                            ::testing::Values(Answer, Snooze, Title, Later90Minutes, NextDay,
                                                              AcrossMonthEnd, Notice30, Notice5, DeleteOne)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" + kEditNames[std::get<1>(info.param)];
                         });

} // namespace
