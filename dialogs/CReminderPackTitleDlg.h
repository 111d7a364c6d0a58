#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// "Reminder Pack Title": the name a mailed pack is attached under. The
// title becomes a file name, so punctuation that could change its meaning
// or its folder is refused, and so is an empty title: the user is told,
// the field is emptied and the dialog stays open.
class CReminderPackTitleDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CReminderPackTitleDlg(QWidget *parent = nullptr);

    QString m_Title;

    // The seven characters a title may not hold: . : ; ' \ / "
    static QString ForbiddenCharacters();
    static bool IsAcceptableTitle(const QString &title);
    static QString RefusalMessage();

protected:
    void showEvent(QShowEvent *event) override;
    void accept() override;

private:
    QLineEdit *m_edit = nullptr;
};
