// kestrelmark-cli and the program writing one reminder file at once: both
// go through the file's lock, so neither loses what the other wrote.
#include "model/CReminderList.h"
#include "storage/CReminderFileFormat.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"
#include "storage/CSharedReminderFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QSet<QString> messagesIn(const QString &path)
{
    QFile f(path);
    std::vector<CReminder> records;
    if (f.open(QIODevice::ReadOnly))
        CReminderFileFormat::Read(f, records);
    QSet<QString> out;
    for (const CReminder &r : records)
        out.insert(r.m_Message);
    return out;
}

TEST(CliSharing, AnAddLoopAndASaveLoopOnOneFileLoseNothing)
{
    QTemporaryDir dir;
    CReminderStore store(dir.path());
    CSharedReminderFile file(store);
    CReminderList list;
    file.Load(list);
    const QString path = file.FilePath();

    constexpr int kCliAdds = 25;
    QProcess loop;
    loop.start(QStringLiteral("/bin/sh"),
               { QStringLiteral("-c"),
                 QStringLiteral("i=0; while [ $i -lt %1 ]; do i=$((i+1)); \"$0\" add \"$1\" --at 2030-01-01T09:00 "
                                "--message cli-$i || exit 1; done")
                     .arg(kCliAdds),
                 QStringLiteral(KM_CLI_PATH), path });
    ASSERT_TRUE(loop.waitForStarted());
    int ours = 0;
    while (loop.state() != QProcess::NotRunning || ours < 5) {
        CReminder r;
        r.m_Message = QStringLiteral("ours-%1").arg(++ours);
        list.InsertSorted(r);
        const CSharedReminderFile::Outcome saved = file.Save(list);
        ASSERT_TRUE(saved.m_Status == CSharedReminderFile::Saved || saved.m_Status == CSharedReminderFile::Unchanged)
            << saved.m_Error.toStdString();
        QThread::msleep(15);
        loop.waitForFinished(0);
    }
    loop.waitForFinished(30000);
    ASSERT_EQ(loop.exitCode(), 0) << loop.readAllStandardError().constData();
    EXPECT_EQ(file.Save(list).m_Status, CSharedReminderFile::Unchanged);

    const QSet<QString> onDisk = messagesIn(path);
    for (int i = 1; i <= kCliAdds; ++i)
        EXPECT_TRUE(onDisk.contains(QStringLiteral("cli-%1").arg(i))) << "cli-" << i;
    for (int i = 1; i <= ours; ++i)
        EXPECT_TRUE(onDisk.contains(QStringLiteral("ours-%1").arg(i))) << "ours-" << i;
}

TEST(CliSharing, AWritingCommandThatCannotHaveTheLockExitsTwoAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.km2"));
    QProcess add;
    add.start(QStringLiteral(KM_CLI_PATH), { "add", path, "--at", "2030-01-01T09:00", "--message", "first" });
    ASSERT_TRUE(add.waitForFinished(30000));
    ASSERT_EQ(add.exitCode(), 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    QLockFile held(CReminderFileLock::LockPathFor(path));
    ASSERT_TRUE(held.tryLock(0));
    QProcess blocked;
    QElapsedTimer waited;
    waited.start();
    blocked.start(QStringLiteral(KM_CLI_PATH), { "add", path, "--at", "2030-01-02T09:00", "--message", "second" });
    ASSERT_TRUE(blocked.waitForFinished(30000));
    EXPECT_GE(waited.elapsed(), 9000);
    EXPECT_EQ(blocked.exitCode(), 2);
    const QList<QByteArray> lines = blocked.readAllStandardError().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains("is busy")) << lines[0].constData();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

} // namespace
