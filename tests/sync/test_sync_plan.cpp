// The three-way merge of one round, without a server.
#include "model/CReminderCheck.h"
#include "model/CSnooze.h"
#include "sync/CSyncEngine.h"
#include "sync/CSyncPlan.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

// A reminder with an id of its own; its copies (edited versions) keep it.
CReminder reminder(const char *message, int day, int hour = 9)
{
    static quint64 lastId = 0;
    CReminder r;
    r.SetId(++lastId);
    r.m_Message = QString::fromUtf8(message);
    r.m_DateTime = COleDateTime(2027, 3, day, hour, 0, 0);
    return r;
}

const QString kCollection = QStringLiteral("/u/cal/");

struct Round
{
    std::vector<CReminder> local;
    CSyncState state;
    CSyncPlan::Remote remote;

    // A reminder both sides agreed on at the last sync.
    void synced(const CReminder &r, const char *name)
    {
        const QString href = kCollection + QString::fromLatin1(name) + QStringLiteral(".ics");
        state.m_Entries.push_back({ QString::fromLatin1(name), href, "\"1\"", { r }, {}, false });
        remote.m_ETags.insert(href, "\"1\"");
    }
    void changedThere(const char *name, const CReminder &r, const QByteArray &text = {})
    {
        const QString href = kCollection + QString::fromLatin1(name) + QStringLiteral(".ics");
        remote.m_ETags.insert(href, "\"2\"");
        CSyncEvent e;
        e.m_Uid = QString::fromLatin1(name);
        e.m_Reminders = { r };
        e.m_Text = text;
        remote.m_Fetched.insert(href, e);
    }
    void deletedThere(const char *name) { remote.m_ETags.remove(kCollection + QString::fromLatin1(name) + QStringLiteral(".ics")); }
    CSyncPlan plan()
    {
        CSyncPlan p;
        p.build(local, state, remote, kCollection);
        return p;
    }
};

QStringList messages(const std::vector<CReminder> &list)
{
    QStringList out;
    for (const CReminder &r : list)
        out << r.m_Message + QLatin1Char('@') + QString::number(r.m_DateTime.GetDay());
    out.sort();
    return out;
}

TEST(SyncPlan, OneSidedChangesGoToTheOtherSide)
{
    Round round;
    const CReminder a = reminder("A", 1), b = reminder("B", 2), c = reminder("C", 3), d = reminder("D", 4);
    for (const auto &[r, name] : { std::pair { a, "a" }, { b, "b" }, { c, "c" }, { d, "d" } })
        round.synced(r, name);
    CReminder aHere = a;
    aHere.m_DateTime = COleDateTime(2027, 3, 11, 9, 0, 0); // moved here
    round.local = { aHere, c, d };                         // b deleted here
    round.changedThere("c", reminder("C", 13));            // c moved there
    round.deletedThere("d");                               // d deleted there
    round.local.push_back(reminder("E", 5));               // new here

    const CSyncPlan p = round.plan();
    EXPECT_EQ(messages(p.m_Local), (QStringList { "A@11", "C@13", "E@5" }));
    ASSERT_EQ(p.m_Ops.size(), 3u);
    EXPECT_EQ(p.m_Ops[0].m_Kind, CSyncPlan::Op::Put);
    EXPECT_EQ(p.m_Ops[0].m_Uid, QStringLiteral("a"));
    EXPECT_EQ(p.m_Ops[0].m_IfMatch, QByteArray("\"1\""));
    EXPECT_EQ(p.m_Ops[1].m_Kind, CSyncPlan::Op::Delete);
    EXPECT_EQ(p.m_Ops[1].m_Uid, QStringLiteral("b"));
    EXPECT_TRUE(p.m_Ops[2].m_IfMatch.isEmpty()); // E: create only
    EXPECT_TRUE(p.m_Ops[2].m_Href.startsWith(kCollection));
    EXPECT_EQ(p.m_Received.m_Changed, 1);
    EXPECT_EQ(p.m_Received.m_Deleted, 1);
    EXPECT_EQ(messages(p.m_Removed), (QStringList { "C@3", "D@4" }));
    EXPECT_EQ(messages(p.m_Added), (QStringList { "C@13" }));
}

TEST(SyncPlan, ADeletionWinsOverAChangeAndOneFieldChangedOnBothSidesKeepsBoth)
{
    Round round;
    const CReminder a = reminder("A", 1), b = reminder("B", 2), c = reminder("C", 3);
    round.synced(a, "a");
    round.synced(b, "b");
    round.synced(c, "c");
    CReminder bHere = b;
    bHere.m_Message = QStringLiteral("B here");
    CReminder cHere = c;
    cHere.m_DateTime = COleDateTime(2027, 3, 23, 9, 0, 0);
    round.local = { bHere, cHere };                 // a deleted here, though changed there
    round.changedThere("a", reminder("A", 21));
    round.deletedThere("b");                        // b deleted there, though changed here
    round.changedThere("c", reminder("C", 13));     // c moved on both sides

    const CSyncPlan p = round.plan();
    EXPECT_EQ(messages(p.m_Local), (QStringList { "C@13", "C@23" }));
    EXPECT_EQ(p.m_Conflicts, 1);
    ASSERT_EQ(p.m_Ops.size(), 2u);
    EXPECT_EQ(p.m_Ops[0].m_Kind, CSyncPlan::Op::Delete);
    EXPECT_EQ(p.m_Ops[0].m_Uid, QStringLiteral("a"));
    EXPECT_EQ(p.m_Ops[1].m_Kind, CSyncPlan::Op::Put); // the second C, made anew
    EXPECT_TRUE(p.m_Ops[1].m_IfMatch.isEmpty());
    // The copy kept here has an id of its own.
    ASSERT_EQ(p.m_Local.size(), 2u);
    EXPECT_NE(p.m_Local[0].Id(), p.m_Local[1].Id());
}

TEST(SyncPlan, TheSameReminderOnBothSidesIsPairedNotDuplicated)
{
    // First sync of a list whose reminders the calendar already holds, or a
    // retry after an upload whose answer was lost.
    Round round;
    const CReminder a = reminder("A", 1);
    round.local = { a, reminder("B", 2) };
    round.changedThere("x", a); // the event this program wrote names its id
    const CSyncPlan p = round.plan();
    EXPECT_EQ(messages(p.m_Local), (QStringList { "A@1", "B@2" }));
    ASSERT_EQ(p.m_Ops.size(), 1u);
    EXPECT_EQ(p.m_Ops[0].m_Records.at(0).m_Message, QStringLiteral("B"));
    EXPECT_EQ(p.m_Entries.size(), 1u);
}

TEST(SyncPlan, AnswersTravelAnotherProgramsEventIsPatchedAndASnoozeStaysHere)
{
    Round round;
    CReminder a = reminder("A", 1), s = reminder("S", 2), t = reminder("T", 3), z = reminder("Z", 4);
    round.synced(a, "a");
    round.synced(t, "t");
    // Another program's event: its text is what goes up, patched.
    const QByteArray phone = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:s\r\n"
                             "DTSTAMP:20270101T000000Z\r\nDTSTART:20270302T090000\r\nSUMMARY:S\r\nLOCATION:Here\r\n"
                             "BEGIN:VALARM\r\nACTION:EMAIL\r\nTRIGGER:-PT1H\r\nEND:VALARM\r\n"
                             "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT0S\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    round.state.m_Entries.push_back({ QStringLiteral("s"), kCollection + QStringLiteral("s.ics"), "\"1\"", { s }, phone, false });
    round.remote.m_ETags.insert(kCollection + QStringLiteral("s.ics"), "\"1\"");
    // Answered here at 09:00:05 (z: answered before, snoozed since).
    CReminder zShown = z;
    zShown.m_Shown = true;
    zShown.m_LastShown = COleDateTime(2027, 3, 4, 9, 0, 5);
    round.synced(zShown, "z");
    CReminder zSnoozed = zShown;
    CSnooze::Snooze(zSnoozed, COleDateTime(2027, 3, 4, 9, 1, 0), 10);
    CReminder aShown = a, sShown = s;
    aShown.m_Shown = sShown.m_Shown = true;
    aShown.m_LastShown = sShown.m_LastShown = COleDateTime(2027, 3, 1, 9, 0, 5);
    CReminder tShownThere = t;
    tShownThere.m_Shown = true;
    tShownThere.m_LastShown = COleDateTime(2027, 3, 3, 9, 0, 7);
    round.changedThere("t", tShownThere);
    round.local = { aShown, sShown, t, zSnoozed };

    const CSyncPlan p = round.plan();
    ASSERT_EQ(p.m_Ops.size(), 2u) << p.m_Ops.back().m_Uid.toStdString();
    EXPECT_EQ(p.m_Ops[0].m_Uid, QStringLiteral("a"));
    EXPECT_EQ(p.m_Ops[0].m_Count, CSyncPlan::Op::Acknowledged);
    EXPECT_EQ(p.m_Ops[1].m_Count, CSyncPlan::Op::Acknowledged);
    const QByteArray patched = p.m_Ops[1].m_Body;
    EXPECT_TRUE(patched.contains("ACTION:DISPLAY\r\nTRIGGER:PT0S\r\nACKNOWLEDGED:20270301T090005Z\r\nEND:VALARM")) << patched.constData();
    EXPECT_TRUE(patched.contains("ACTION:EMAIL\r\nTRIGGER:-PT1H\r\nEND:VALARM")) << patched.constData();
    EXPECT_TRUE(patched.contains("SUMMARY:S\r\nLOCATION:Here\r\n"));
    EXPECT_EQ(p.m_Ops[1].m_Text, patched); // kept for the next patch
    bool tShownHere = false, zStillSnoozed = false;
    for (const CReminder &r : p.m_Local) {
        if (r.m_Message == QLatin1String("T"))
            tShownHere = r.m_Shown && r.m_LastShown == tShownThere.m_LastShown;
        if (r.m_Message == QLatin1String("Z"))
            zStillSnoozed = CSnooze::IsSnoozed(r);
    }
    EXPECT_TRUE(tShownHere);
    EXPECT_TRUE(zStillSnoozed);
    EXPECT_EQ(p.m_Received.m_Changed, 0); // an answer is not a change of the reminder
    EXPECT_EQ(p.m_Received.m_Acknowledged, 1);
}

TEST(SyncPlan, EditsOfDifferentFieldsMergeAndTheSameFieldKeepsBoth)
{
    Round round;
    const CReminder a = reminder("A", 1), b = reminder("B", 2);
    round.synced(a, "a");
    round.synced(b, "b");
    CReminder aHere = a, bHere = b;
    aHere.m_DateTime = COleDateTime(2027, 3, 11, 9, 0, 0);
    bHere.m_Message = QStringLiteral("B here");
    round.local = { aHere, bHere };
    round.changedThere("a", reminder("A there", 1));
    round.changedThere("b", reminder("B there", 2));
    const CSyncPlan p = round.plan();
    EXPECT_EQ(messages(p.m_Local), (QStringList { "A there@11", "B here@2", "B there@2" }));
    EXPECT_EQ(p.m_Conflicts, 1);
    EXPECT_EQ(p.m_Received.m_Changed, 2);
}

TEST(SyncPlan, AnEventThatCannotBeReadLeavesBothSidesAlone)
{
    Round round;
    const CReminder a = reminder("A", 1);
    round.synced(a, "a");
    round.local = { a };
    round.remote.m_ETags.insert(kCollection + QStringLiteral("a.ics"), "\"2\"");
    round.remote.m_Unreadable.insert(kCollection + QStringLiteral("a.ics"), QStringLiteral("no event"));
    const CSyncPlan p = round.plan();
    EXPECT_EQ(messages(p.m_Local), (QStringList { "A@1" }));
    EXPECT_TRUE(p.m_Ops.empty());
    ASSERT_EQ(p.m_Entries.size(), 1u);
    EXPECT_EQ(p.m_Entries[0].m_ETag, QByteArray("\"1\"")); // fetched again next time
    EXPECT_EQ(p.m_Skipped.size(), 1);
}

TEST(SyncPlan, AnOutcomeAppliedTwiceChangesNothing)
{
    // The sync brought "new" and replaced "old" by "moved"; the user added
    // "mine" meanwhile, and already had a second "twin" that stays two.
    const CReminder twin = reminder("twin", 1), twin2 = reminder("twin", 1), old = reminder("old", 2);
    CReminder moved = old;
    moved.m_Message = QStringLiteral("moved");
    moved.m_DateTime = COleDateTime(2027, 3, 3, 9, 0, 0);
    const CReminder fresh = reminder("new", 4);
    CSyncEngine::Outcome out;
    out.m_Local = { twin, twin2, moved, fresh };
    out.m_Removed = { old };
    out.m_Added = { moved, fresh };
    std::vector<CReminder> list { twin, twin2, old, reminder("mine", 5) };
    out.ApplyTo(list);
    ASSERT_EQ(list.size(), 5u);
    const std::vector<CReminder> once = list;
    out.ApplyTo(list);
    ASSERT_EQ(list.size(), once.size());
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_TRUE(CReminder::SameRecord(list[i], once[i])) << i;

    // What stayed here is said, with why.
    out.m_KeptHere = { QStringLiteral("Planning: moved here only; the meeting is organised by boss@example.com") };
    EXPECT_TRUE(out.Details().contains(QLatin1String("1 change kept on this computer only:\n- Planning: moved here only")))
        << out.Details().toStdString();
    EXPECT_EQ(out.ToJson().value(QStringLiteral("keptHere")).toArray().size(), 1);
}

} // namespace

namespace {

const QByteArray kPhoneCall = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:p\r\n"
                              "DTSTAMP:20270101T000000Z\r\nDTSTART:20270305T090000Z\r\nDTEND:20270305T094500Z\r\n"
                              "SUMMARY:Call\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\n"
                              "ACKNOWLEDGED:20270305T090030Z\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// The round of one event another program wrote, as the server still has it.
Round phoneRound(const QByteArray &text, CReminder &synced)
{
    Round round;
    CSyncEvent event;
    QString error;
    EXPECT_TRUE(CSyncIcs::Read(text, event, error)) << error.toStdString();
    event.m_Reminders.at(0).SetId(7); // the reminder it became here
    synced = event.m_Reminders.at(0);
    round.state.m_Entries.push_back({ QStringLiteral("p"), kCollection + QStringLiteral("p.ics"), "\"1\"",
                                      event.m_Reminders, event.m_Text, false });
    round.remote.m_ETags.insert(kCollection + QStringLiteral("p.ics"), "\"1\"");
    return round;
}

} // namespace

TEST(SyncPlan, AnAnsweredReminderMovedAlertsAtItsNewTimeHereAndThere)
{
    // Made here, answered, synced; then postponed a week in the editor.
    Round round;
    CReminder a = reminder("A", 1);
    a.m_Shown = true;
    a.m_LastShown = COleDateTime(2027, 3, 1, 9, 0, 5);
    round.synced(a, "a");
    CReminder postponed = a;
    postponed.m_DateTime = COleDateTime(2027, 3, 8, 9, 0, 0);
    postponed.ResetShown();
    round.local = { postponed };
    CSyncPlan p = round.plan();
    ASSERT_EQ(p.m_Ops.size(), 1u);
    EXPECT_EQ(p.m_Ops[0].m_Count, CSyncPlan::Op::Changed);
    EXPECT_FALSE(p.m_Ops[0].m_Body.contains("ACKNOWLEDGED")) << p.m_Ops[0].m_Body.constData();
    EXPECT_TRUE(p.m_Ops[0].m_Body.contains("X-KESTRELMARK-SHOWN:0"));
    ASSERT_EQ(p.m_Local.size(), 1u);
    EXPECT_TRUE(CReminderCheck::IsDue(p.m_Local[0], COleDateTime(2027, 3, 8, 9, 0, 30)));
    EXPECT_EQ(p.m_Received.m_Changed, 0);

    // Another program's event, answered at 09:00:30 and moved here to
    // 08:00: the answer would silence the moved alarm, so it goes.
    CReminder synced;
    round = phoneRound(kPhoneCall, synced);
    ASSERT_TRUE(synced.m_Shown);
    CReminder earlier = synced;
    earlier.m_DateTime = COleDateTime(2027, 3, 5, 8, 0, 0);
    earlier.ResetShown();
    round.local = { earlier };
    p = round.plan();
    ASSERT_EQ(p.m_Ops.size(), 1u);
    EXPECT_FALSE(p.m_Ops[0].m_Body.contains("ACKNOWLEDGED")) << p.m_Ops[0].m_Body.constData();
    EXPECT_TRUE(p.m_Ops[0].m_Body.contains("DTSTART:20270305T080000Z\r\nDTEND:20270305T084500Z\r\n"));
    EXPECT_FALSE(p.m_Local.at(0).m_Shown);
}

TEST(SyncPlan, AnotherClientsLaterAnswerWinsAndAnOlderOneHereIsNotSent)
{
    CReminder synced;
    QByteArray unanswered = kPhoneCall;
    unanswered.replace("ACKNOWLEDGED:20270305T090030Z\r\n", "");
    unanswered.replace("DTSTART:20270305T090000Z\r\n", "DTSTART:20270305T090000Z\r\nRRULE:FREQ=WEEKLY\r\n");
    Round round = phoneRound(unanswered, synced);
    // Answered there at 09:05 on the 12th, here at 08:50 the same day.
    QByteArray answered = unanswered;
    answered.replace("TRIGGER:-PT15M\r\n", "TRIGGER:-PT15M\r\nACKNOWLEDGED:20270312T090500Z\r\n");
    CSyncEvent there;
    QString error;
    ASSERT_TRUE(CSyncIcs::Read(answered, there, error));
    round.remote.m_ETags.insert(kCollection + QStringLiteral("p.ics"), "\"2\"");
    round.remote.m_Fetched.insert(kCollection + QStringLiteral("p.ics"), there);
    CReminder here = synced;
    here.m_Shown = true;
    here.m_LastShown = COleDateTime(2027, 3, 12, 8, 50, 0);
    round.local = { here };
    const CSyncPlan p = round.plan();
    EXPECT_TRUE(p.m_Ops.empty()) << p.m_Ops.at(0).m_Body.constData();
    ASSERT_EQ(p.m_Local.size(), 1u);
    EXPECT_EQ(p.m_Local[0].m_LastShown, COleDateTime(2027, 3, 12, 9, 5, 0));
    EXPECT_FALSE(CReminderCheck::IsDue(p.m_Local[0], COleDateTime(2027, 3, 12, 9, 10, 0)));
    EXPECT_EQ(p.m_Received.m_Acknowledged, 1);
}

TEST(SyncPlan, AConflictCopyOfAnotherProgramsEventLastsAsLongAsIt)
{
    CReminder synced;
    Round round = phoneRound(kPhoneCall, synced);
    CSyncEvent there;
    QString error;
    QByteArray renamed = kPhoneCall;
    renamed.replace("SUMMARY:Call", "SUMMARY:Call there");
    ASSERT_TRUE(CSyncIcs::Read(renamed, there, error));
    round.remote.m_ETags.insert(kCollection + QStringLiteral("p.ics"), "\"2\"");
    round.remote.m_Fetched.insert(kCollection + QStringLiteral("p.ics"), there);
    CReminder here = synced;
    here.m_Message = QStringLiteral("Call here");
    round.local = { here };
    const CSyncPlan p = round.plan();
    EXPECT_EQ(p.m_Conflicts, 1);
    ASSERT_EQ(p.m_Ops.size(), 1u);
    EXPECT_TRUE(p.m_Ops[0].m_IfMatch.isEmpty()); // the copy, new
    EXPECT_TRUE(p.m_Ops[0].m_Body.contains("DTSTART:20270305T090000\r\nDTEND:20270305T094500\r\n"))
        << p.m_Ops[0].m_Body.constData();
}
