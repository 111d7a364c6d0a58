#pragma once

#include "model/CObject.h"
#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QString>

class CReminderRecord;

enum RecurrenceKind : quint16 { RecurOneTime = 0, RecurAnnual = 1, RecurMonthly = 2, RecurWeekly = 3 };

// One reminder: what to show, when, how often, with which icon and sound,
// and whether its alert has been shown. A value type, stored in reminder
// files and packs as class "CReminder", schema 2 (schema 1 still loads).
class CReminder : public CObject
{
public:
    static const CRuntimeClass classCReminder;
    static constexpr unsigned kSchema = 2;

    CReminder();
    // A record as loaded from a file, its message converted.
    explicit CReminder(const CReminderRecord &record);
    CReminder(const CReminder &) = default;
    CReminder &operator=(const CReminder &) = default;
    CReminder(CReminder &&) noexcept = default;
    CReminder &operator=(CReminder &&) noexcept = default;
    ~CReminder() override = default;

    const CRuntimeClass *GetRuntimeClass() const override { return &classCReminder; }
    void Serialize(CArchive &ar) override;

    // Every field but the sound and icon names back to its default.
    void SetDefaults();
    // After an edit: never shown.
    void ResetShown();
    // The message on one line: each CR and each LF becomes one space.
    QString GetFlatMessage() const;

    // "One time", "Annual", "Monthly", "Weekly"; other codes show as one time.
    static QString RecurrenceName(int kind);

    // Every reminder has an id of its own (see CReminderIds), which names
    // it in merges, alerts and the sync. Two records hold the same content
    // when every stored field but the id and the shown state (m_Shown,
    // m_LastShown and a snooze's m_ReshowInterval) is equal (SameContent),
    // and are the same record when that state is equal too.
    // A not-a-number equals itself.
    quint64 Id() const;
    void SetId(quint64 id);
    static bool SameContent(const CReminder &a, const CReminder &b);
    static bool SameRecord(const CReminder &a, const CReminder &b);
    bool IsOneTime() const { return m_Recurrence != RecurAnnual && m_Recurrence != RecurMonthly && m_Recurrence != RecurWeekly; }

    static const COleDateTime kDefaultDate; // 13 January 1987 00:00, also "never shown"
    static const QString kUninitializedMessage;

    // The small fields together, so that a list of 100 000 carries no
    // padding between them.
    COleDateTime m_DateTime;
    COleDateTime m_LastShown;
    COleDateTimeSpan m_ReshowInterval;
    COleDateTimeSpan m_AdvanceNotice;
    COleDateTimeSpan m_ReservedSpan; // with m_ReservedFlag2: the id
    QString m_Message;
    QString m_SoundFileName;
    QString m_IconName;
    quint16 m_IconNumber = 0;
    quint16 m_Recurrence = RecurOneTime;
    bool m_Private = false;
    bool m_Shown = false;
    bool m_ReservedFlag = false;
    bool m_ReservedFlag2 = false;
};
