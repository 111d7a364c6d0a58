#pragma once

#include "model/CArchive.h"
#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QString>

// One reminder record as a file holds it, read and repaired as a loaded
// reminder is, with its message left as the file's text: reading a record
// allocates nothing, so a listing can pass over a whole file and convert
// only the messages it shows. CReminder loads itself through this.
class CReminderRecord
{
public:
    // The fields of a record left out (a null one in a file).
    CReminderRecord();

    // The body of a record of this schema: 2, or 1 (and any other, which
    // a trace notes) for the older layout without sound and icon names.
    // The message then views the archive's text (see CArchive::ReadText).
    void Load(CArchive &ar, unsigned schema);

    // The message as the reminder shows it, with the note that an invalid
    // date was replaced.
    QString Message() const { return MessageOf(m_Message, m_DateWasInvalid); }
    static QString MessageOf(const CArchive::Text &text, bool dateWasInvalid);
    // The note a message gains when its date was invalid and replaced.
    static const QString kInvalidDateNote;
    static const char kUninitializedMessage[];
    static constexpr double kDefaultDay = 31790.0; // 13 January 1987, also "never shown"

    COleDateTime m_DateTime;
    COleDateTime m_LastShown;
    COleDateTimeSpan m_ReshowInterval;
    COleDateTimeSpan m_AdvanceNotice;
    COleDateTimeSpan m_ReservedSpan;
    CArchive::Text m_Message;
    QString m_SoundFileName;
    QString m_IconName;
    quint16 m_IconNumber = 0;
    quint16 m_Recurrence = 0;
    bool m_Private = false;
    bool m_Shown = false;
    bool m_ReservedFlag = false;
    bool m_ReservedFlag2 = false;
    bool m_DateWasInvalid = false; // replaced by the time of loading
    bool m_IconNameRead = true;    // false: an older record with an icon number only, not built in

private:
    void EndSchema1();
    void RepairAfterLoad();
};
