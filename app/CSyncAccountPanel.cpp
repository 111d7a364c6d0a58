#include "app/CSyncAccountPanel.h"

#include "dialogs/CSyncAccountBox.h"
#include "graphics/CMessageBox.h"
#include "session/CReminderSession.h"
#include "session/CSyncController.h"

#include <QCoreApplication>

CSyncAccountBox *CSyncAccountPanel::Create(CReminderSession &session)
{
    CSyncController *sync = &session.Sync();
    CSyncAccountBox::Hooks hooks;
    hooks.m_Load = [sync](QString &url, QString &user) {
        const CSyncController::Account a = sync->account();
        url = a.m_Url;
        user = a.m_User;
    };
    hooks.m_Save = [sync](const QString &url, const QString &user, const QString &password) {
        sync->setAccount({ url, user }, password, [](const QString &error) {
            if (!error.isEmpty())
                CMessageBox::Show(QCoreApplication::translate("CSyncAccountPanel", "The password could not be kept in your keyring: %1").arg(error),
                                  CMessageSink::Ok, CMessageSink::Warning);
        });
    };
    hooks.m_SyncNow = [sync] { sync->syncNow(); };
    hooks.m_Status = [sync] { return sync->statusText(); };
    hooks.m_Details = [sync] { return sync->detailsText(); };
    auto *box = new CSyncAccountBox(hooks);
    QObject::connect(sync, &CSyncController::statusChanged, box, &CSyncAccountBox::setStatus);
    QObject::connect(sync, &CSyncController::detailsChanged, box, &CSyncAccountBox::setDetails);
    return box;
}
