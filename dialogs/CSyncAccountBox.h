#pragma once

#include <QGroupBox>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The calendar account in the options dialog: the calendar's (or the
// server's) address, the user name, the password (only ever handed to the
// secret store), "Sync now" and the status line. The program supplies what
// the box reads and does through its hooks.
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
    };

    explicit CSyncAccountBox(Hooks hooks, QWidget *parent = nullptr);

    // Empty when the fields can be stored, else what is wrong.
    static QString Check(const QString &url, const QString &user, const QString &password, bool accountChanged);

    // Stores the account when it changed; false (with a message shown)
    // when the fields cannot be stored.
    bool apply();
    void setStatus(const QString &text);

private:
    void onSyncNow();

    Hooks m_hooks;
    QString m_openedUrl, m_openedUser;
    QLineEdit *m_url = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_syncNow = nullptr;
    QLabel *m_status = nullptr;
};
