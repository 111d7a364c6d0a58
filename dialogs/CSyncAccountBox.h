#pragma once

#include <QGroupBox>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The calendar account in the options dialog: the calendar's (or the
// server's) address, the user name, the password (only ever handed to the
// secret store), "Sync now", the status line and beside it "Details",
// which lists what the last sync simplified, left out or found changed on
// both sides (as an import says of a file). An http:// address is warned
// of beside the fields while it is entered: the password would travel
// unencrypted. The program supplies what the box reads and does through
// its hooks.
class CSyncAccountBox : public QGroupBox
{
    Q_OBJECT
public:
    struct Hooks
    {
        std::function<void(QString &url, QString &user)> m_Load;
        // Stores the account; the password is empty when it stays as it is.
        std::function<void(const QString &url, const QString &user, const QString &password)> m_Save;
        std::function<void()> m_SyncNow;
        std::function<QString()> m_Status;
        std::function<QString()> m_Details;
    };

    explicit CSyncAccountBox(Hooks hooks, QWidget *parent = nullptr);

    // Empty when the fields can be stored, else what is wrong.
    static QString Check(const QString &url, const QString &user, const QString &password, bool accountChanged);

    // Stores the account when it changed; false (with a message shown)
    // when the fields cannot be stored.
    bool apply();
    void setStatus(const QString &text);
    // The last sync's list; "Details" is offered only when there is one.
    void setDetails(const QString &text);

private:
    void onSyncNow();
    void showPlainHttpWarning();
    void onDetails();

    Hooks m_hooks;
    QString m_openedUrl, m_openedUser;
    QLineEdit *m_url = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_syncNow = nullptr;
    QLabel *m_plainHttp = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_detailsButton = nullptr;
    QString m_details;
};
