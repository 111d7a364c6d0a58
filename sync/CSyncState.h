#pragma once

#include "model/CReminder.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One event as it was when it last agreed with the server: the reminders
// it maps to are the base of the next three-way merge.
struct CSyncEntry
{
    QString m_Uid;
    QString m_Href; // path on the server
    QByteArray m_ETag;
    std::vector<CReminder> m_Base;
    // The server's text when another program wrote the event (changes
    // made here are patched into it); empty when this program did.
    QByteArray m_Text;
    bool m_Simplified = false; // the server's event says more than m_Base
};

// What the sync remembers between runs, kept beside the reminder file
// ("<base>Sync.json") so that the reminder file's format stays as it is.
// Saved in one step: a new file replaces the old one only when complete.
class CSyncState
{
public:
    enum LoadResult { Loaded, NotFound, Damaged };

    // "<folder>/Kestrelmark.km2" -> "<folder>/KestrelmarkSync.json".
    static QString PathFor(const QString &reminderFile);

    LoadResult load(const QString &path, QString &error);
    bool save(const QString &path, QString &error) const;

    // Forgets the server's side: another account, or a damaged file.
    void reset(const QString &account);

    // The time the reminder's alert was answered, or an invalid date.
    static COleDateTime Acknowledged(const CReminder &r);

    QString m_Account;    // the address the user gave
    QString m_Collection; // the calendar collection found from it
    QString m_SyncToken;
    std::vector<CSyncEntry> m_Entries;
};
