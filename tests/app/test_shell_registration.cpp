// The desktop registration of an installed program: the system's desktop
// entry serves, and the user gets only an autostart entry starting it.
#include "app/CShellRegistration.h"
#include "support/CTempDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void Write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A system with the package installed under the temporary folder and a user
// whose folders lie beside it.
class Installed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Write(m_program, "#!/bin/sh\n");
        QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Write(m_systemEntry, CShellRegistration::DesktopEntry(m_program).toUtf8());
    }
    QString UserFile(const QString &name) const { return m_folders.m_DataHome + QLatin1Char('/') + name; }
    QString Autostart() const { return m_folders.m_ConfigHome + QStringLiteral("/autostart/kestrelmark.desktop"); }

    QTemporaryDir m_dir;
    QString m_program = m_dir.filePath(QStringLiteral("usr/bin/kestrelmark"));
    QString m_systemEntry = m_dir.filePath(QStringLiteral("usr/share/applications/kestrelmark.desktop"));
    CShellRegistration::Folders m_folders { m_dir.filePath(QStringLiteral("home/data")),
                                            m_dir.filePath(QStringLiteral("home/config")),
                                            { m_dir.filePath(QStringLiteral("usr/local/share")),
                                              m_dir.filePath(QStringLiteral("usr/share")) } };
};
} // namespace

TEST_F(Installed, TheSystemEntryServesAndWhatABuildWroteGoes)
{
    // An earlier run from a build folder registered itself for the user.
    const CShellRegistration::Folders buildRun { m_folders.m_DataHome, m_folders.m_ConfigHome, {} };
    ASSERT_TRUE(CShellRegistration::Register(buildRun, m_dir.filePath(QStringLiteral("src/build/kestrelmark")), false));
    Write(UserFile(QStringLiteral("mime/packages/kestrelmark-pack.xml")), "<mime-info/>");
    ASSERT_TRUE(QFile::exists(UserFile(QStringLiteral("icons/hicolor/22x22/apps/kestrelmark.png"))));

    EXPECT_EQ(CShellRegistration::SystemEntry(m_folders, m_program), m_systemEntry);
    EXPECT_FALSE(CShellRegistration::IsRegistered(m_folders, m_program));
    ASSERT_TRUE(CShellRegistration::Register(m_folders, m_program, false));
    EXPECT_TRUE(CShellRegistration::IsRegistered(m_folders, m_program));

    for (const char *gone : { "applications/kestrelmark.desktop", "mime/packages/kestrelmark.xml",
                              "mime/packages/kestrelmark-pack.xml", "icons/hicolor/22x22/apps/kestrelmark.png" })
        EXPECT_FALSE(QFile::exists(UserFile(QString::fromLatin1(gone)))) << gone;
    const QByteArray autostart = Read(Autostart());
    EXPECT_TRUE(autostart.contains("\nExec=" + m_program.toUtf8() + "\n")) << autostart.constData();
    EXPECT_FALSE(autostart.contains("Hidden=true"));

    // A second start changes nothing.
    ASSERT_TRUE(CShellRegistration::Register(m_folders, m_program, false));
    EXPECT_EQ(Read(Autostart()), autostart);
}

TEST_F(Installed, StartedByNameTheUsersOwnEntryAndSwitchedOffLoginStartStay)
{
    Write(m_systemEntry, Read(m_systemEntry).replace(m_program.toUtf8(), "kestrelmark"));
    CEnvGuard path("PATH", QFileInfo(m_program).absolutePath().toUtf8());
    const QByteArray mine = CShellRegistration::DesktopEntry(QStringLiteral("/opt/km/kestrelmark")).toUtf8() + "NoDisplay=true\n";
    Write(UserFile(QStringLiteral("applications/kestrelmark.desktop")), mine);
    Write(Autostart(), "[Desktop Entry]\nType=Application\nExec=/old/build/kestrelmark\nHidden=true\n");

    EXPECT_EQ(CShellRegistration::SystemEntry(m_folders, m_program), m_systemEntry);
    ASSERT_TRUE(CShellRegistration::Register(m_folders, m_program, false));
    EXPECT_EQ(Read(UserFile(QStringLiteral("applications/kestrelmark.desktop"))), mine);
    const QByteArray autostart = Read(Autostart());
    EXPECT_TRUE(autostart.contains("\nExec=kestrelmark\n")) << autostart.constData();
    // Once the package is removed the session skips it.
    EXPECT_TRUE(autostart.contains("\nTryExec=" + m_program.toUtf8() + "\n")) << autostart.constData();
    EXPECT_TRUE(autostart.contains("\nHidden=true\n"));
    EXPECT_TRUE(CShellRegistration::IsRegistered(m_folders, m_program));

    // An entry of an earlier version, without TryExec, is written again.
    Write(Autostart(), "[Desktop Entry]\nType=Application\nExec=kestrelmark\n");
    EXPECT_FALSE(CShellRegistration::IsRegistered(m_folders, m_program));
    ASSERT_TRUE(CShellRegistration::Register(m_folders, m_program, false));
    EXPECT_TRUE(Read(Autostart()).contains("\nTryExec=" + m_program.toUtf8() + "\n"));
}

TEST_F(Installed, AnotherProgramOrAnEarlierEntryRegistersForTheUser)
{
    // The program of a build folder, while the package is installed.
    const QString build = m_dir.filePath(QStringLiteral("src/build/kestrelmark"));
    Write(build, "#!/bin/sh\n");
    EXPECT_TRUE(CShellRegistration::SystemEntry(m_folders, build).isEmpty());
    // The desktop takes /usr/local's entry first: the package's is not the one shown.
    Write(m_dir.filePath(QStringLiteral("usr/local/share/applications/kestrelmark.desktop")),
          CShellRegistration::DesktopEntry(build).toUtf8());
    EXPECT_TRUE(CShellRegistration::SystemEntry(m_folders, m_program).isEmpty());

    ASSERT_TRUE(CShellRegistration::Register(m_folders, m_program, false));
    EXPECT_EQ(Read(UserFile(QStringLiteral("applications/kestrelmark.desktop"))),
              CShellRegistration::DesktopEntry(m_program).toUtf8());
    const QByteArray mime = Read(UserFile(QStringLiteral("mime/packages/kestrelmark.xml")));
    EXPECT_TRUE(mime.contains("application/x-kestrelmark-pack") && mime.contains("application/x-kestrelmark-reminders"));
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        EXPECT_TRUE(QFile::exists(UserFile(QStringLiteral("icons/hicolor/%1x%1/apps/kestrelmark.png").arg(size)))) << size;
    EXPECT_TRUE(QFile::exists(UserFile(QStringLiteral("icons/hicolor/48x48@2/apps/kestrelmark.png"))));
}
