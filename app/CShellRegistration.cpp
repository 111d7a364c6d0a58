#include "app/CShellRegistration.h"

#include "model/CTrace.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

const QString CShellRegistration::kMimeType = QStringLiteral("application/x-kestrelmark-pack");
const QString CShellRegistration::kDesktopFile = QStringLiteral("kestrelmark.desktop");

namespace {
bool WriteText(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Trace(QStringLiteral("Can't write ") + path + QLatin1Char('\n'));
        return false;
    }
    return true;
}

bool CopyResource(const QString &resource, const QString &path)
{
    QFile in(resource);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return WriteText(path, in.readAll());
}

void RunTool(const QString &tool, const QStringList &arguments)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(exe, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
}
} // namespace

CShellRegistration::Folders CShellRegistration::UserFolders()
{
    Folders folders;
    folders.m_DataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    folders.m_ConfigHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folders;
}

QString CShellRegistration::MimePackageXml()
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Reminder Pack</comment>\n"
               "    <glob pattern=\"*.rpk\"/>\n"
               "    <magic priority=\"50\">\n"
               "      <match type=\"string\" value=\"KM 2.0 Reminder Pack\" offset=\"5\"/>\n"
               "    </magic>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(kMimeType);
}

QString CShellRegistration::QuoteExec(const QString &programPath)
{
    // Reserved characters need the whole argument in double quotes, with
    // the quote, backquote, dollar and backslash escaped.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (const QChar c : programPath)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return programPath;
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The desktop entry's own escaping doubles the backslashes again.
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CShellRegistration::DesktopEntry(const QString &programPath)
{
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Version=1.0\n"
               "Name=Kestrelmark\n"
               "GenericName=Personal Reminder Software\n"
               "Comment=Reminders on a month calendar, with alerts when they fall due\n"
               "Exec=%1 %f\n"
               "Icon=kestrelmark\n"
               "Terminal=false\n"
               "Categories=Office;Calendar;\n"
               "MimeType=%2;text/calendar;\n"
               "StartupNotify=false\n")
        .arg(QuoteExec(programPath), kMimeType);
}

QString CShellRegistration::AutostartEntry(const QString &programPath)
{
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Version=1.0\n"
               "Name=Kestrelmark\n"
               "Comment=Reminders on a month calendar, with alerts when they fall due\n"
               "Exec=%1\n"
               "Icon=kestrelmark\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(QuoteExec(programPath));
}

bool CShellRegistration::Register(const Folders &folders, const QString &programPath, bool runTools)
{
    const QString mimeFolder = folders.m_DataHome + QStringLiteral("/mime");
    const QString appsFolder = folders.m_DataHome + QStringLiteral("/applications");
    bool ok = WriteText(mimeFolder + QStringLiteral("/packages/kestrelmark-pack.xml"), MimePackageXml().toUtf8());
    ok = WriteText(appsFolder + QLatin1Char('/') + kDesktopFile, DesktopEntry(programPath).toUtf8()) && ok;
    // A login start the user switched off stays off.
    const QString autostart = folders.m_ConfigHome + QStringLiteral("/autostart/") + kDesktopFile;
    QFile existing(autostart);
    bool switchedOff = false;
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray text = existing.readAll();
        switchedOff = text.contains("\nHidden=true") || text.contains("X-GNOME-Autostart-enabled=false");
    }
    QByteArray entry = AutostartEntry(programPath).toUtf8();
    if (switchedOff)
        entry += "Hidden=true\n";
    ok = WriteText(autostart, entry) && ok;
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        CopyResource(QStringLiteral(":/icons/kestrelmark-%1.png").arg(size),
                     folders.m_DataHome + QStringLiteral("/icons/hicolor/%1x%1/apps/kestrelmark.png").arg(size));
    }
    if (runTools) {
        RunTool(QStringLiteral("update-mime-database"), { mimeFolder });
        RunTool(QStringLiteral("update-desktop-database"), { appsFolder });
    }
    return ok;
}

bool CShellRegistration::IsRegistered(const Folders &folders, const QString &programPath)
{
    QFile entry(folders.m_DataHome + QStringLiteral("/applications/") + kDesktopFile);
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    const QByteArray expected = DesktopEntry(programPath).toUtf8();
    return entry.readAll() == expected
        && QFile::exists(folders.m_DataHome + QStringLiteral("/mime/packages/kestrelmark-pack.xml"))
        && QFile::exists(folders.m_ConfigHome + QStringLiteral("/autostart/") + kDesktopFile);
}
