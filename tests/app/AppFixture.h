#pragma once

#include "session/CClock.h"
#include "app/CAlertQueue.h"
#include "app/CMainCommands.h"
#include "app/CSyncPassword.h"
#include "app/COrvantis2App.h"
#include "app/COrvantis2Dlg.h"
#include "session/CReminderSession.h"
#include "dialogs/CSkinListBox.h"
#include "model/COleDateTimeSpan.h"
#include "storage/CKmPaths.h"
#include "storage/CProgramSettings.h"
#include "storage/CReminderStore.h"
#include "storage/CSaveScheduler.h"
#include "storage/CSettingsStore.h"
#include "support/CRecordingMessageSink.h"
#include "support/CRecordingSoundPlayer.h"
#include "support/CTempDir.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A pair of clocks the test moves by hand: time passing moves both, a
// clock being set (or the computer sleeping) moves only the wall clock.
class CFakeClock : public CClock
{
public:
    explicit CFakeClock(const COleDateTime &now) : m_now(now) {}
    COleDateTime Now() const override { return m_now; }
    qint64 MonotonicMs() const override { return m_mono; }
    void Advance(double seconds)
    {
        SetWall(seconds);
        m_mono += static_cast<qint64>(seconds * 1000.0);
    }
    // The wall clock alone moves by seconds (negative: set back).
    void SetWall(double seconds) { m_now = m_now + COleDateTimeSpan(seconds / 86400.0); }
    COleDateTime m_now;
    qint64 m_mono = 1000000;
};

// The application object over a temporary data folder and settings file,
// with a fake clock, a recording sound player and pre-answerable messages.
// The main window is made on demand and started as the program starts it;
// its alerts are recorded and answered with OK, not shown.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        MakeApp();
    }
    void MakeApp()
    {
        m_app = std::make_unique<COrvantis2App>();
        m_app->SetDataFolder(m_dir.path());
        m_app->SetSettings(std::make_unique<CSettingsStore>(m_dir.filePath(QStringLiteral("settings.ini"))));
        m_app->SetClock(&m_clock);
        m_app->SetSoundPlayer(&m_sound);
    }
    // The program ends (without a save of its own) and starts again over
    // the same folder, settings and clock; Window() makes the new window.
    void EndProgram()
    {
        m_dlg.reset();
        m_app.reset();
        m_alerts.clear();
        MakeApp();
    }

    void TearDown() override
    {
        m_dlg.reset();
        m_app.reset();
        CKmPaths::SetDataFolder(QString());
    }

    COrvantis2Dlg &Window(bool initialize = true)
    {
        if (!m_dlg) {
            m_dlg = std::make_unique<COrvantis2Dlg>(*m_app, m_app->Session());
            CMainCommands::Install({ *m_app, m_app->Session(), *m_dlg });
            m_dlg->Alerts().SetRunner([this](const CAlertRequest &alert) {
                m_alerts.push_back(alert);
                return CAlertAnswer {};
            });
            if (initialize) {
                m_dlg->Initialize();
                Session().Start({ &CSyncPassword::read, &CSyncPassword::write });
            }
        }
        return *m_dlg;
    }

    CReminderSession &Session() { return m_app->Session(); }

    // A control of the main window, by its object name.
    template <typename T> T *Control(const char *name) const
    {
        return m_dlg ? m_dlg->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }
    // The upcoming list's lines, as the window holds them.
    QStringList UpcomingLines() const
    {
        QStringList lines;
        if (const auto *list = Control<CSkinListBox>("upcomingList")) {
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
        }
        return lines;
    }

    // A reminder file in the data folder before the window loads it.
    void WriteReminders(const CReminderList &list)
    {
        CReminderStore store(m_dir.path());
        ASSERT_EQ(store.SaveReminders(list), CReminderStore::Saved);
    }
    CReminderList ReadReminders()
    {
        CReminderList list;
        CReminderStore store(m_dir.path());
        store.LoadReminders(list);
        return list;
    }

    static COleDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
    {
        return COleDateTime(y, mo, d, h, mi, s);
    }
    static void Add(CReminderList &list, const COleDateTime &when, const QString &message, int recurrence = RecurOneTime,
                    double noticeDays = 0.0)
    {
        list.AddReminder(when, COleDateTimeSpan(noticeDays), QStringLiteral("Gift"), message, recurrence, false,
                         QString(), false, CReminder::kDefaultDate);
        list.RebuildIndexes();
    }

    QTemporaryDir m_dir;
    CFakeClock m_clock { COleDateTime(2024, 3, 10, 12, 0, 0) };
    CRecordingSoundPlayer m_sound;
    CRecordingMessageSink m_messages;
    std::unique_ptr<COrvantis2App> m_app;
    std::unique_ptr<COrvantis2Dlg> m_dlg;
    std::vector<CAlertRequest> m_alerts;
};

// Runs act on the modal dialog of type T once it is open.
template <typename T> inline void WhenOpen(std::function<void(T &)> act, bool *seen)
{
    QTimer::singleShot(0, [act, seen] {
        auto *dlg = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        *seen = true;
        act(*dlg);
    });
}

