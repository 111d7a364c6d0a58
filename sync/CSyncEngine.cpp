#include "sync/CSyncEngine.h"

#include "l10n/CNotes.h"
#include "model/CTrace.h"
#include "storage/CReminderMerge.h"
#include "sync/CDavMultiStatus.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>

namespace {

const QByteArray kXmlHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

QByteArray xmlEscape(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

QJsonObject countsJson(const CSyncPlan::Counts &c)
{
    return { { QStringLiteral("added"), c.m_Added },
             { QStringLiteral("changed"), c.m_Changed },
             { QStringLiteral("deleted"), c.m_Deleted },
             { QStringLiteral("acknowledged"), c.m_Acknowledged } };
}

} // namespace

QJsonObject CSyncEngine::Outcome::ToJson() const
{
    QJsonObject o { { QStringLiteral("status"), m_Status == Done ? QStringLiteral("ok")
                                                : m_Status == AuthFailed ? QStringLiteral("unauthorized")
                                                                         : QStringLiteral("failed") },
                    { QStringLiteral("collection"), m_Collection },
                    { QStringLiteral("sent"), countsJson(m_Sent) },
                    { QStringLiteral("received"), countsJson(m_Received) },
                    { QStringLiteral("conflicts"), m_Conflicts },
                    { QStringLiteral("simplified"), QJsonArray::fromStringList(m_Simplified) },
                    { QStringLiteral("skipped"), QJsonArray::fromStringList(m_Skipped) },
                    { QStringLiteral("keptHere"), QJsonArray::fromStringList(m_KeptHere) },
                    { QStringLiteral("ignored"), QJsonArray::fromStringList(m_Ignored) },
                    { QStringLiteral("reminders"), static_cast<int>(m_Local.size()) } };
    if (!m_Error.isEmpty())
        o.insert(QStringLiteral("error"), m_Error);
    return o;
}

QString CSyncEngine::Outcome::Details() const
{
    // Shown, so in the user's words; the lists themselves stay English for
    // the report. One apart, so that English keeps "1 event".
    QStringList parts;
    auto list = [&parts](const QStringList &items, const QString &heading) {
        if (items.isEmpty())
            return;
        QString text = heading;
        for (const QString &item : items)
            text += QStringLiteral("\n- ") + CNotes::Shown(item);
        parts << text;
    };
    const auto count = [](const QStringList &items, const char *one, const char *many) {
        return items.size() == 1 ? QCoreApplication::translate("CSyncEngine", one)
                                 : QCoreApplication::translate("CSyncEngine", many, nullptr, static_cast<int>(items.size()));
    };
    list(m_Simplified, count(m_Simplified, QT_TRANSLATE_NOOP("CSyncEngine", "1 event simplified:"),
                             QT_TRANSLATE_N_NOOP("CSyncEngine", "%n events simplified:")));
    list(m_Skipped, count(m_Skipped, QT_TRANSLATE_NOOP("CSyncEngine", "1 event left out:"),
                          QT_TRANSLATE_N_NOOP("CSyncEngine", "%n events left out:")));
    list(m_KeptHere, count(m_KeptHere, QT_TRANSLATE_NOOP("CSyncEngine", "1 change kept on this computer only:"),
                           QT_TRANSLATE_N_NOOP("CSyncEngine", "%n changes kept on this computer only:")));
    list(m_Ignored, count(m_Ignored, QT_TRANSLATE_NOOP("CSyncEngine", "1 resource outside the calendar left alone:"),
                          QT_TRANSLATE_N_NOOP("CSyncEngine", "%n resources outside the calendar left alone:")));
    if (m_Conflicts == 1)
        parts << QCoreApplication::translate("CSyncEngine", "1 reminder was changed both here and on the server; both versions are kept.");
    else if (m_Conflicts > 1)
        parts << QCoreApplication::translate("CSyncEngine", "%n reminders were changed both here and on the server; both versions are kept.",
                                             nullptr, m_Conflicts);
    return parts.join(QStringLiteral("\n\n"));
}

bool CSyncEngine::Outcome::Settled() const
{
    return m_Status == Done || LocalChanged() || m_Sent.m_Added + m_Sent.m_Changed + m_Sent.m_Deleted + m_Sent.m_Acknowledged > 0;
}

void CSyncEngine::Outcome::ApplyTo(std::vector<CReminder> &list) const
{
    // By id: the list may have moved on while the sync ran (an alert
    // answered, an outside change merged).
    QHash<quint64, const CReminder *> was, becomes;
    for (const CReminder &r : m_Removed)
        was.insert(r.Id(), &r);
    for (const CReminder &r : m_Added)
        becomes.insert(r.Id(), &r);
    std::vector<CReminder> out;
    out.reserve(list.size() + m_Added.size());
    for (CReminder &r : list) {
        const quint64 id = r.Id();
        const CReminder *after = becomes.value(id);
        if (!after) {
            if (!was.contains(id))
                out.push_back(std::move(r));
            continue; // deleted by the sync
        }
        const CReminder *before = was.value(id);
        CReminder merged;
        // Changed here while the sync ran: both changes, field by field.
        if (before && !CReminder::SameRecord(*before, r) && CReminderMerge::MergeFields(*before, r, *after, merged))
            out.push_back(std::move(merged));
        else
            out.push_back(*after);
        becomes.remove(id);
    }
    for (const CReminder &r : m_Added)
        if (becomes.value(r.Id()) == &r)
            out.push_back(r);
    list = std::move(out);
}

CSyncEngine::CSyncEngine(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<CSyncEngine::Outcome>();
    m_client.setParent(this);
}

QString CSyncEngine::collectionPath(const QUrl &url)
{
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QUrl CSyncEngine::at(const QString &path) const
{
    QUrl url = m_account;
    url.setPath(CDavMultiStatus::EncodePath(path), QUrl::TolerantMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

void CSyncEngine::start(const QUrl &account, const QString &user, const QString &password,
                        const std::vector<CReminder> &local, const CSyncState &state)
{
    m_running = true;
    m_account = account;
    m_user = user;
    m_out = Outcome();
    m_out.m_Local = local;
    m_out.m_State = state;
    m_given = local;
    m_round = 0;
    m_inFlight = 0;
    if (m_out.m_State.m_Account != account.toString())
        m_out.m_State.reset(account.toString());
    m_client.setCredentials(account, user, password);
    if (!account.isValid() || (account.scheme() != QLatin1String("http") && account.scheme() != QLatin1String("https"))) {
        fail(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the account's address is not an http or https address")));
        return;
    }
    if (!m_out.m_State.m_Collection.isEmpty()) {
        m_collection = at(m_out.m_State.m_Collection);
        listChanges();
        return;
    }
    discover(account, 0);
}

// The address given may be the collection itself, a calendar home, a
// principal or just the server; each step asks one PROPFIND.
void CSyncEngine::discover(const QUrl &url, int step)
{
    const QByteArray body = kXmlHead
        + "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:prop>"
          "<D:resourcetype/><D:current-user-principal/><C:calendar-home-set/>"
          "<C:supported-calendar-component-set/></D:prop></D:propfind>";
    m_client.propfind(url, 0, body, [this, url, step](const CDavReply &reply) {
        if (reply.m_Fault == CDavReply::None && reply.m_Status == 404 && step == 0 && url.path().length() <= 1) {
            discover(at(QStringLiteral("/.well-known/caldav")), 1);
            return;
        }
        if (!reply.Ok())
            return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "finding the calendar")));
        const CDavMultiStatus ms = CDavMultiStatus::Parse(reply.m_Body, reply.m_Url);
        if (!ms.m_Error.isEmpty() || ms.m_Responses.empty())
            return fail(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "finding the calendar: %1")).arg(ms.m_Error.isEmpty() ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no answer")) : ms.m_Error));
        const CDavResource &r = ms.m_Responses.front();
        if (r.m_IsCalendar) {
            m_collection = reply.m_Url;
            m_out.m_State.m_Collection = collectionPath(m_collection);
            m_collection = at(m_out.m_State.m_Collection);
            listChanges();
        } else if (!r.m_HomeHref.isEmpty()) {
            findCalendarIn(at(r.m_HomeHref));
        } else if (!r.m_PrincipalHref.isEmpty() && step < 3 && r.m_PrincipalHref != reply.m_Url.path()) {
            discover(at(r.m_PrincipalHref), step + 1);
        } else if (step == 0 && url.path().length() <= 1) {
            discover(at(QStringLiteral("/.well-known/caldav")), 1);
        } else {
            fail(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no calendar was found at %1")).arg(m_account.toString()));
        }
    });
}

// The first collection of the home that takes events; none: one is made.
void CSyncEngine::findCalendarIn(const QUrl &home)
{
    const QByteArray body = kXmlHead
        + "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:prop>"
          "<D:resourcetype/><C:supported-calendar-component-set/></D:prop></D:propfind>";
    m_client.propfind(home, 1, body, [this, home](const CDavReply &reply) {
        if (!reply.Ok())
            return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "reading the calendar home")));
        const CDavMultiStatus ms = CDavMultiStatus::Parse(reply.m_Body, reply.m_Url);
        if (!ms.m_Error.isEmpty())
            return fail(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "reading the calendar home: %1")).arg(ms.m_Error));
        QStringList calendars;
        for (const CDavResource &r : ms.m_Responses)
            if (r.m_IsCalendar && (!r.m_HasComponentSet || r.m_TakesEvents))
                calendars << r.m_Href;
        calendars.sort();
        if (!calendars.isEmpty()) {
            m_out.m_State.m_Collection = collectionPath(at(calendars.front()));
            m_collection = at(m_out.m_State.m_Collection);
            listChanges();
            return;
        }
        const QString path = collectionPath(home) + QStringLiteral("kestrelmark/");
        m_client.mkcalendar(at(path), [this, path](const CDavReply &made) {
            if (!made.Ok())
                return fail(made, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "making a calendar")));
            m_out.m_State.m_Collection = path;
            m_collection = at(path);
            listChanges();
        });
    });
}

void CSyncEngine::listChanges()
{
    m_out.m_Collection = m_collection.toString();
    m_remote = CSyncPlan::Remote();
    m_lengths.clear();
    m_listingIncomplete = false;
    const QString token = m_out.m_State.m_SyncToken;
    const QByteArray body = kXmlHead
        + "<D:sync-collection xmlns:D=\"DAV:\"><D:sync-token>" + xmlEscape(token)
        + "</D:sync-token><D:sync-level>1</D:sync-level><D:prop><D:getetag/><D:getcontentlength/></D:prop>"
          "</D:sync-collection>";
    m_client.report(m_collection, 0, body, [this, token](const CDavReply &reply) {
        if (reply.m_Fault != CDavReply::None)
            return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "asking what changed")));
        if (reply.m_Status != 207) {
            // No report here, or the token has expired: compare every ETag.
            m_out.m_State.m_SyncToken.clear();
            listAll();
            return;
        }
        const CDavMultiStatus ms = CDavMultiStatus::Parse(reply.m_Body, reply.m_Url);
        if (!ms.m_Error.isEmpty()) {
            listAll();
            return;
        }
        const QString self = collectionPath(m_collection);
        if (!token.isEmpty())
            for (const CSyncEntry &e : m_out.m_State.m_Entries)
                if (CDavMultiStatus::IsBelow(e.m_Href, self))
                    m_remote.m_ETags.insert(e.m_Href, e.m_ETag);
        for (const CDavResource &r : ms.m_Responses) {
            if (collectionPath(at(r.m_Href)) == self || !isOurs(r, self))
                continue;
            if (r.m_Status == 404)
                m_remote.m_ETags.remove(r.m_Href);
            else if (r.m_Status / 100 == 2 && !r.m_IsCollection) {
                m_remote.m_ETags.insert(r.m_Href, r.m_ETag);
                m_lengths.insert(r.m_Href, r.m_ContentLength);
            }
        }
        m_newToken = ms.m_SyncToken;
        fetch();
    });
}

void CSyncEngine::listAll()
{
    const QByteArray body = kXmlHead
        + "<D:propfind xmlns:D=\"DAV:\"><D:prop><D:resourcetype/><D:getetag/><D:getcontentlength/></D:prop></D:propfind>";
    m_client.propfind(m_collection, 1, body, [this](const CDavReply &reply) {
        if (!reply.Ok())
            return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "listing the calendar")));
        const CDavMultiStatus ms = CDavMultiStatus::Parse(reply.m_Body, reply.m_Url);
        if (!ms.m_Error.isEmpty())
            return fail(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "listing the calendar: %1")).arg(ms.m_Error));
        const QString self = collectionPath(m_collection);
        for (const CDavResource &r : ms.m_Responses)
            if (!r.m_IsCollection && r.m_Status / 100 == 2 && collectionPath(at(r.m_Href)) != self && isOurs(r, self)) {
                m_remote.m_ETags.insert(r.m_Href, r.m_ETag);
                m_lengths.insert(r.m_Href, r.m_ContentLength);
            }
        m_newToken.clear();
        fetch();
    });
}

void CSyncEngine::fetch()
{
    QHash<QString, QByteArray> known;
    for (const CSyncEntry &e : m_out.m_State.m_Entries)
        known.insert(e.m_Href, e.m_ETag);
    QStringList wanted;
    for (auto it = m_remote.m_ETags.cbegin(); it != m_remote.m_ETags.cend(); ++it)
        if (!known.contains(it.key()) || known.value(it.key()) != it.value() || it.value().isEmpty())
            wanted << it.key();
    wanted.sort();
    // Batches of a bounded count and, where the sizes are known, size.
    std::vector<QStringList> batches;
    qint64 bytes = 0;
    for (const QString &href : std::as_const(wanted)) {
        const qint64 length = std::max<qint64>(m_lengths.value(href, -1), 0);
        if (length > kMaxEventBytes) {
            skipTooLarge(href, length);
            continue;
        }
        if (batches.empty() || batches.back().size() >= kMultigetBatch || bytes + length > kMaxBatchBytes) {
            batches.emplace_back();
            bytes = 0;
        }
        batches.back() << href;
        bytes += length;
    }
    m_batches.assign(batches.rbegin(), batches.rend());
    fetchNext();
}

void CSyncEngine::skipTooLarge(const QString &href, qint64 bytes)
{
    const QString size = bytes > 0 ? QStringLiteral("%1 MB; ").arg(double(bytes) / (1 << 20), 0, 'f', 1) : QString();
    m_remote.m_Unreadable.insert(
        //: %1 is the event's size and a semicolon ("3.2 MB; ") or nothing, %2 the largest size taken.
        href, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "too large to take (%1the limit is %2 MB)")).arg(size).arg(kMaxEventBytes >> 20));
    m_listingIncomplete = true;
}

void CSyncEngine::fetchNext()
{
    if (m_batches.empty()) {
        merge();
        return;
    }
    const QStringList batch = m_batches.back();
    m_batches.pop_back();
    QByteArray body = kXmlHead
        + "<C:calendar-multiget xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
          "<D:prop><D:getetag/><C:calendar-data/></D:prop>";
    for (const QString &href : batch)
        body += "<D:href>" + xmlEscape(at(href).path(QUrl::FullyEncoded)) + "</D:href>";
    body += "</C:calendar-multiget>";
    m_client.report(m_collection, 1, body, [this, batch](const CDavReply &reply) {
        CDavMultiStatus ms;
        if (reply.Ok())
            ms = CDavMultiStatus::Parse(reply.m_Body, reply.m_Url);
        // Too much, or a reply that breaks off: ask for half at a time, down
        // to the one event that does it, which is left out.
        if (reply.m_Fault == CDavReply::TooLarge || (reply.Ok() && !ms.m_Error.isEmpty())) {
            if (batch.size() > 1) {
                m_batches.push_back(batch.mid(batch.size() / 2));
                m_batches.push_back(batch.mid(0, batch.size() / 2));
            } else if (reply.m_Fault == CDavReply::TooLarge) {
                skipTooLarge(batch.front(), 0);
            } else {
                m_remote.m_Unreadable.insert(batch.front(), CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server's reply could not be read (%1)")).arg(ms.m_Error));
                m_listingIncomplete = true;
            }
            fetchNext();
            return;
        }
        if (!reply.Ok())
            return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "fetching events")));
        for (const CDavResource &r : ms.m_Responses) {
            if (r.m_OtherOrigin || !batch.contains(r.m_Href))
                continue;
            if (r.m_Status == 404) {
                m_remote.m_ETags.remove(r.m_Href);
                continue;
            }
            if (r.m_CalendarData.size() > kMaxEventBytes) {
                skipTooLarge(r.m_Href, r.m_CalendarData.size());
                continue;
            }
            CSyncEvent event;
            QString error;
            if (!r.m_CalendarData.isEmpty() && CSyncIcs::HoldsNoItem(r.m_CalendarData)) {
                // A journal or the like: no reminder ever, and nothing to
                // fetch again.
                m_remote.m_Unreadable.insert(r.m_Href, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it holds no event or to-do")));
                continue;
            }
            if (r.m_CalendarData.isEmpty() || !CSyncIcs::Read(r.m_CalendarData, event, error)) {
                m_remote.m_Unreadable.insert(r.m_Href, error.isEmpty() ? CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no calendar data")) : error);
                m_listingIncomplete = true;
                continue;
            }
            if (event.m_Uid.isEmpty())
                event.m_Uid = r.m_Href.section(QLatin1Char('/'), -1);
            if (!r.m_ETag.isEmpty())
                m_remote.m_ETags.insert(r.m_Href, r.m_ETag);
            m_remote.m_Fetched.insert(r.m_Href, event);
        }
        for (const QString &href : batch)
            if (!m_remote.m_Fetched.contains(href) && !m_remote.m_Unreadable.contains(href) && m_remote.m_ETags.contains(href)) {
                m_remote.m_Unreadable.insert(href, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server did not send it")));
                m_listingIncomplete = true;
            }
        fetchNext();
    });
}

bool CSyncEngine::isOurs(const CDavResource &r, const QString &self)
{
    if (!r.m_OtherOrigin && CDavMultiStatus::IsBelow(r.m_Href, self))
        return true;
    ignore(r.m_Listed);
    return false;
}

void CSyncEngine::ignore(const QString &href)
{
    if (m_out.m_Ignored.contains(href))
        return;
    Trace(QStringLiteral("Ignoring %1: it is not in the calendar %2\n").arg(href, m_collection.toString()));
    m_out.m_Ignored << href;
}

void CSyncEngine::accept(CSyncPlan &plan)
{
    for (const QString &href : plan.m_Ignored)
        ignore(href);
    for (const CReminder &r : plan.m_Removed) {
        const auto added = std::find_if(m_out.m_Added.begin(), m_out.m_Added.end(),
                                        [&](const CReminder &a) { return a.Id() == r.Id(); });
        if (added != m_out.m_Added.end())
            m_out.m_Added.erase(added);
        else
            m_out.m_Removed.push_back(r);
    }
    for (const CReminder &r : plan.m_Added)
        m_out.m_Added.push_back(r);
    m_out.m_Local = plan.m_Local;
    m_out.m_State.m_Entries = plan.m_Entries;
    m_out.m_Received.m_Added += plan.m_Received.m_Added;
    m_out.m_Received.m_Changed += plan.m_Received.m_Changed;
    m_out.m_Received.m_Deleted += plan.m_Received.m_Deleted;
    m_out.m_Received.m_Acknowledged += plan.m_Received.m_Acknowledged;
    m_out.m_Conflicts += plan.m_Conflicts;
    m_out.m_Simplified += plan.m_Simplified;
    for (const QString &kept : plan.m_KeptHere)
        if (!m_out.m_KeptHere.contains(kept))
            m_out.m_KeptHere << kept;
    if (m_round == 1 || !plan.m_Skipped.isEmpty())
        m_out.m_Skipped = plan.m_Skipped;
}

void CSyncEngine::merge()
{
    ++m_round;
    CSyncPlan plan;
    plan.m_OwnAddresses = { m_user };
    plan.build(m_out.m_Local, m_out.m_State, m_remote, collectionPath(m_collection));
    accept(plan);
    m_ops = std::move(plan.m_Ops);
    m_nextOp = 0;
    m_conflict = false;
    runOps();
}

void CSyncEngine::runOps()
{
    while (m_out.m_Status == Outcome::Done && m_inFlight < kParallelOps && m_nextOp < m_ops.size())
        startOp(m_ops[m_nextOp++]);
    if (m_inFlight > 0)
        return;
    if (m_out.m_Status != Outcome::Done) {
        finish();
        return;
    }
    if (m_conflict && m_round < kMaxRounds) {
        m_out.m_State.m_SyncToken.clear();
        listChanges();
        return;
    }
    if (m_conflict)
        m_out.m_Error = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the calendar kept changing during the sync; it is tried again later"));
    if (!m_conflict && !m_listingIncomplete)
        m_out.m_State.m_SyncToken = m_newToken;
    finish();
}

void CSyncEngine::startOp(const CSyncPlan::Op &op)
{
    ++m_inFlight;
    auto &entries = m_out.m_State.m_Entries;
    auto entryAt = [&entries](const QString &href) {
        return std::find_if(entries.begin(), entries.end(), [&](const CSyncEntry &e) { return e.m_Href == href; });
    };
    // A meeting someone else organises: no reply goes out for what is done here.
    CCalDavClient::Headers scheduling;
    if (op.m_NotOrganizer)
        scheduling.append(qMakePair(QByteArray("Schedule-Reply"), QByteArray("F")));
    if (op.m_Kind == CSyncPlan::Op::Delete) {
        m_client.remove(at(op.m_Href), op.m_IfMatch, [this, op, entryAt](const CDavReply &reply) {
            --m_inFlight;
            if (reply.m_Status == 412) {
                m_conflict = true;
            } else if (reply.Ok() || (reply.m_Fault == CDavReply::None && reply.m_Status == 404)) {
                const auto it = entryAt(op.m_Href);
                if (it != m_out.m_State.m_Entries.end())
                    m_out.m_State.m_Entries.erase(it);
                ++m_out.m_Sent.m_Deleted;
            } else {
                return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "deleting an event")));
            }
            runOps();
        }, scheduling);
        return;
    }
    m_client.put(at(op.m_Href), op.m_Body, op.m_IfMatch, [this, op, entryAt](const CDavReply &reply) {
        --m_inFlight;
        if (reply.m_Status == 412) {
            m_conflict = true;
        } else if (reply.Ok()) {
            CSyncEntry entry { op.m_Uid, op.m_Href, reply.m_ETag, op.m_Records, op.m_Text, false };
            const auto it = entryAt(op.m_Href);
            if (it != m_out.m_State.m_Entries.end())
                *it = entry;
            else
                m_out.m_State.m_Entries.push_back(entry);
            CSyncPlan::Counts &sent = m_out.m_Sent;
            ++(op.m_Count == CSyncPlan::Op::Added     ? sent.m_Added
                   : op.m_Count == CSyncPlan::Op::Changed ? sent.m_Changed
                                                          : sent.m_Acknowledged);
        } else {
            return fail(reply, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "sending an event")));
        }
        runOps();
    }, scheduling);
}

// The first failure is the one said; the sync ends when no request is
// under way any more.
void CSyncEngine::fail(const CDavReply &reply, const QString &what)
{
    if (reply.m_Fault == CDavReply::Auth) {
        if (m_out.m_Status == Outcome::Done) {
            m_out.m_Status = Outcome::AuthFailed;
            m_out.m_Error = reply.m_Error;
        }
        if (m_inFlight == 0)
            finish();
        return;
    }
    const QString why = reply.m_Fault != CDavReply::None
        ? reply.m_Error
        : CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server answered %1")).arg(reply.m_Status);
    //: A note's subject (what was being done, a reminder's message) and what is said of it.
    fail(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2")).arg(what, why));
}

void CSyncEngine::fail(const QString &error)
{
    if (m_out.m_Status == Outcome::Done) {
        m_out.m_Status = Outcome::Failed;
        m_out.m_Error = error;
    }
    if (m_inFlight == 0)
        finish();
}

void CSyncEngine::finish()
{
    if (!m_running)
        return;
    m_running = false;
    // A failed round keeps what it settled; the token only moves on after
    // a complete one, so nothing the server changed is missed next time.
    if (m_out.m_Status != Outcome::Done)
        m_out.m_State.m_SyncToken.clear();
    const Outcome out = m_out;
    emit finished(out);
}
