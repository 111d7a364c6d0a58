#pragma once

#include "dialogs/CEditorContext.h"
#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QDialog>
#include <QString>

class CIconChoiceList;
class CReminder;
class CIconPreview;
class CMinuteSpinEdit;
class CSpinEdit;
class CTwoStateButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The reminder editor: time of day, how often, the advance notice, the
// icon, the message and an optional sound of one reminder. The day itself
// is the caller's; only its time of day is edited. The caller sets the
// m_ members, runs the dialog and, after OK, reads them back.
class CNewEventDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CNewEventDlg(const CEditorContext &context, QWidget *parent = nullptr);
    ~CNewEventDlg() override;

    // Filled by the caller before the dialog runs, read back after OK.
    QString m_SoundFileName;
    int m_IconNumber = 0;
    QString m_IconName;
    COleDateTime m_Date { 0.0 };
    COleDateTimeSpan m_AdvanceNotice { 0.0 };
    int m_Type = -1;
    bool m_Private = false;
    QString m_Message;
    int m_AdvanceDays = 0;
    int m_AdvanceHours = 0;
    int m_AdvanceMinutes = 0;
    int m_Hour = 0;
    int m_Minute = 0;
    int m_PM = -1;

    // An existing reminder into the members (its sound too), and after OK
    // the members back into it: the edit clears its shown state.
    void LoadReminder(const CReminder &reminder);
    void StoreReminder(CReminder &reminder) const;

    // Prepares the window from the members; runs by itself when the dialog
    // is first shown.
    void OnInitDialog();
    // The icon library's generation when the dialog opened, so the caller
    // can tell whether icons were imported meanwhile.
    int OpeningGeneration() const { return m_openingGeneration; }

    void accept() override;

    // The icon the list offers at each row (its item data).
    QList<int> OfferedIcons() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateControls();
    void FillIconList();
    void SelectIcon(int number);
    void OnIconSelectionChanged();
    void UpdateSoundCaption();
    void OnChooseSound();
    void OnPlay();
    void OnAddIcon();
    void FocusField(int field);

    CEditorContext m_context;
    bool m_initialised = false;
    int m_openingGeneration = 0;
    QString m_caption;

    CSpinEdit *m_hourEdit = nullptr;
    CMinuteSpinEdit *m_minuteEdit = nullptr;
    CSpinEdit *m_daysEdit = nullptr;
    CSpinEdit *m_hoursEdit = nullptr;
    CSpinEdit *m_minutesEdit = nullptr;
    QButtonGroup *m_pmGroup = nullptr;
    QButtonGroup *m_typeGroup = nullptr;
    CIconChoiceList *m_iconList = nullptr;
    CIconPreview *m_preview = nullptr;
    CTwoStateButton *m_addIcon = nullptr;
    QPlainTextEdit *m_messageEdit = nullptr;
    QCheckBox *m_customSound = nullptr;
    QPushButton *m_chooseSound = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
