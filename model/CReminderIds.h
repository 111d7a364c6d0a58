#pragma once

#include <QtGlobal>
#include <vector>

class CReminder;

// Every reminder carries an id of its own, kept in the record's reserved
// fields (m_ReservedFlag2 set, m_ReservedSpan holding the id as a whole
// number of days): fields every writer of the file stores and loads as
// they are without reading them, so an id survives another program's
// load and save. 0 is no id.
class CReminderIds
{
public:
    // Ids stay exact in a double and finite, as the loader demands.
    static constexpr quint64 kMaxId = (quint64(1) << 53) - 1;

    static quint64 Of(const CReminder &r);
    static void Set(CReminder &r, quint64 id);
    // A fresh random id, for a reminder made here.
    static quint64 New();

    // A record read from a file without an id gets one derived from its
    // content (and from how many identical records came before it), and
    // every later copy of an id already taken one derived from the id and
    // its content, so that two processes reading the same file give the
    // same records the same ids. The first record with an id keeps it; the
    // trace names each later copy. Returns how many ids were given.
    static int AssignMissing(std::vector<CReminder> &records);
    // The id a conflicting copy of the reminder with id takes (derived, so
    // every process makes the same copy).
    static quint64 DerivedFrom(quint64 id, const CReminder &copy);
};
