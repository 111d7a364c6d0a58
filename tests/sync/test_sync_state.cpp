// What the sync remembers between runs.
#include "sync/CSyncState.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

unsigned modeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

} // namespace

TEST(SyncState, IsForTheUserAloneWhateverTheUmaskAndTheOldMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KestrelmarkSync.json"));
    const mode_t old = ::umask(022);
    CSyncState state;
    state.m_Account = QStringLiteral("http://host/");
    QString error;
    ASSERT_TRUE(state.save(path, error)) << error.toStdString();
    EXPECT_EQ(modeOf(path), 0600u);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    ASSERT_TRUE(state.save(path, error)) << error.toStdString();
    EXPECT_EQ(modeOf(path), 0600u);
    ::umask(old);
}

TEST(SyncState, ServerTextsAndDailyGroupsAreKeptAndAnOlderStateFetchesAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KestrelmarkSync.json"));
    CSyncState state;
    state.m_Account = QStringLiteral("http://host/");
    CReminder monday, tuesday;
    monday.m_Message = tuesday.m_Message = QStringLiteral("Stretch");
    monday.m_DateTime = COleDateTime(2026, 12, 14, 7, 0, 0);
    tuesday.m_DateTime = COleDateTime(2026, 12, 15, 7, 0, 0);
    const QByteArray text("BEGIN:VCALENDAR\r\nPRODID:-//Phone//EN\r\n\xC3\xA9\xFF\r\nEND:VCALENDAR\r\n");
    state.m_Entries.push_back({ QStringLiteral("d"), QStringLiteral("/c/d.ics"), "\"7\"", { monday, tuesday }, text, true });
    QString error;
    ASSERT_TRUE(state.save(path, error)) << error.toStdString();

    CSyncState loaded;
    ASSERT_EQ(loaded.load(path, error), CSyncState::Loaded) << error.toStdString();
    ASSERT_EQ(loaded.m_Entries.size(), 1u);
    EXPECT_EQ(loaded.m_Entries[0].m_Text, text); // byte for byte, even what is not UTF-8
    ASSERT_EQ(loaded.m_Entries[0].m_Base.size(), 2u);
    EXPECT_EQ(loaded.m_Entries[0].m_Base[1].m_DateTime, tuesday.m_DateTime);
    EXPECT_EQ(loaded.m_Entries[0].m_ETag, QByteArray("\"7\""));

    // A state from before texts were kept: one record, no text. Its event
    // is fetched again (no ETag) rather than written anew from the record.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
    QJsonObject old = entries[0].toObject();
    old.insert(QStringLiteral("record"), old.value(QStringLiteral("records")).toArray()[0]);
    old.remove(QStringLiteral("records"));
    old.remove(QStringLiteral("text"));
    entries[0] = old;
    root.insert(QStringLiteral("entries"), entries);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(root).toJson());
    file.close();
    ASSERT_EQ(loaded.load(path, error), CSyncState::Loaded) << error.toStdString();
    ASSERT_EQ(loaded.m_Entries[0].m_Base.size(), 1u);
    EXPECT_TRUE(loaded.m_Entries[0].m_ETag.isEmpty());
    EXPECT_TRUE(loaded.m_Entries[0].m_Text.isEmpty());
}
