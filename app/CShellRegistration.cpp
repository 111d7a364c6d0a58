#include "app/CShellRegistration.h"

#include "model/CTrace.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

const QString CShellRegistration::kDesktopFile = QStringLiteral("kestrelmark.desktop");

namespace {
const QString kMimePackage = QStringLiteral("kestrelmark.xml");
// The name an earlier version gave the package of the pack type alone.
const QString kOldMimePackage = QStringLiteral("kestrelmark-pack.xml");

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

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ReadResource(const QString &resource)
{
    const QByteArray bytes = ReadAll(resource);
    if (bytes.isEmpty())
        Trace(QStringLiteral("Can't read ") + resource + QLatin1Char('\n'));
    return QString::fromUtf8(bytes);
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

// The program icon at every size the program carries, with the folder of
// the icon theme each one belongs in ("48x48"; "48x48@2" for kestrelmark-48@2x.png).
QList<QPair<QString, QString>> ProgramIcons()
{
    static const QRegularExpression name(QStringLiteral("^kestrelmark-(\\d+)(@2x)?\\.png$"));
    QList<QPair<QString, QString>> icons;
    for (const QString &file : QDir(QStringLiteral(":/icons")).entryList({ QStringLiteral("kestrelmark-*.png") })) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        const QString scale = m.captured(2).isEmpty() ? QString() : QStringLiteral("@2");
        icons.append({ QStringLiteral(":/icons/") + file, m.captured(1) + QLatin1Char('x') + m.captured(1) + scale });
    }
    return icons;
}

QString IconPath(const QString &dataHome, const QString &themeFolder)
{
    return dataHome + QStringLiteral("/icons/hicolor/") + themeFolder + QStringLiteral("/apps/kestrelmark.png");
}

// The program an entry's Exec line starts, as written there (unquoted).
QString ExecProgram(const QString &entry)
{
    static const QRegularExpression execLine(QStringLiteral("^Exec=(.*)$"), QRegularExpression::MultilineOption);
    QString value = execLine.match(entry).captured(1);
    // The file's own escape first, then the quoting of the argument.
    value.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    if (!value.startsWith(QLatin1Char('"')))
        return value.section(QLatin1Char(' '), 0, 0);
    QString program;
    for (qsizetype i = 1; i < value.size() && value.at(i) != QLatin1Char('"'); ++i) {
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size())
            ++i;
        program += value.at(i);
    }
    return program;
}

// Whether an entry's Exec line starts the program at programPath, directly
// or through the search path.
bool Starts(const QString &entry, const QString &programPath)
{
    const QString program = ExecProgram(entry);
    if (program.isEmpty())
        return false;
    const QString found = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    const QString canonical = QFileInfo(found).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(programPath).canonicalFilePath();
}

// A user's desktop entry that a run from a build folder wrote: nothing in it
// but the lines of the program's own entry and an Exec line. One the user
// changed (hidden, renamed, given other types) is theirs.
bool IsOwnUserEntry(const QString &entry)
{
    if (entry.isEmpty())
        return false;
    const QStringList own = CShellRegistration::DesktopEntry(QString()).split(QLatin1Char('\n'));
    for (const QString &line : entry.split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1String("Exec=")) && !own.contains(line))
            return false;
    }
    return true;
}

QString AutostartPath(const CShellRegistration::Folders &folders)
{
    return folders.m_ConfigHome + QStringLiteral("/autostart/") + CShellRegistration::kDesktopFile;
}

// Writes the autostart entry for the command, keeping a login start the
// user switched off switched off.
bool WriteAutostart(const CShellRegistration::Folders &folders, const QString &command, const QString &programPath)
{
    const QString autostart = AutostartPath(folders);
    const QByteArray text = ReadAll(autostart);
    const bool switchedOff = text.contains("\nHidden=true") || text.contains("X-GNOME-Autostart-enabled=false");
    QByteArray entry = CShellRegistration::AutostartEntry(command, programPath).toUtf8();
    if (switchedOff)
        entry += "Hidden=true\n";
    return WriteText(autostart, entry);
}

QString UserEntryPath(const CShellRegistration::Folders &folders)
{
    return folders.m_DataHome + QStringLiteral("/applications/") + CShellRegistration::kDesktopFile;
}

QString UserMimePackage(const CShellRegistration::Folders &folders, const QString &name)
{
    return folders.m_DataHome + QStringLiteral("/mime/packages/") + name;
}
} // namespace

CShellRegistration::Folders CShellRegistration::UserFolders()
{
    Folders folders;
    folders.m_DataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    folders.m_ConfigHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    folders.m_DataDirs = dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return folders;
}

QString CShellRegistration::MimePackageXml()
{
    return ReadResource(QStringLiteral(":/packaging/kestrelmark.xml"));
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
    // The installed entry, started from wherever the program is.
    QString entry = ReadResource(QStringLiteral(":/packaging/kestrelmark.desktop"));
    entry.replace(QLatin1String("\nExec=kestrelmark "), QStringLiteral("\nExec=") + QuoteExec(programPath) + QLatin1Char(' '));
    return entry;
}

QString CShellRegistration::TryExecLine(const QString &programPath)
{
    QString path = QFileInfo(programPath).absoluteFilePath();
    return QStringLiteral("TryExec=") + path.replace(QLatin1String("\\"), QLatin1String("\\\\")) + QLatin1Char('\n');
}

QString CShellRegistration::AutostartEntry(const QString &command, const QString &programPath)
{
    // The installed entry's comment, in each of its languages: the desktop
    // picks the user's as it reads the entry.
    QString comments;
    for (const QString &line : ReadResource(QStringLiteral(":/packaging/kestrelmark.desktop")).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Comment=")) || line.startsWith(QLatin1String("Comment[")))
            comments += line + QLatin1Char('\n');
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Version=1.0\n"
               "Name=Kestrelmark\n"
               "%3"
               "Exec=%1\n"
               "%2"
               "Icon=kestrelmark\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(QuoteExec(command), TryExecLine(programPath.isEmpty() ? command : programPath), comments);
}

QString CShellRegistration::SystemEntry(const Folders &folders, const QString &programPath)
{
    // The desktop takes the first entry of the name it finds.
    for (const QString &dir : folders.m_DataDirs) {
        const QString path = dir + QStringLiteral("/applications/") + kDesktopFile;
        if (QFileInfo::exists(path))
            return Starts(QString::fromUtf8(ReadAll(path)), programPath) ? path : QString();
    }
    return QString();
}

bool CShellRegistration::Register(const Folders &folders, const QString &programPath, bool runTools)
{
    const QString mimeFolder = folders.m_DataHome + QStringLiteral("/mime");
    const QString appsFolder = folders.m_DataHome + QStringLiteral("/applications");
    const QString system = SystemEntry(folders, programPath);
    bool ok = true;
    bool removed = QFile::remove(UserMimePackage(folders, kOldMimePackage));
    if (!system.isEmpty()) {
        // What a run from a build folder wrote would hide the system's.
        if (IsOwnUserEntry(QString::fromUtf8(ReadAll(UserEntryPath(folders))))) {
            removed = QFile::remove(UserEntryPath(folders)) || removed;
            for (const auto &icon : ProgramIcons())
                QFile::remove(IconPath(folders.m_DataHome, icon.second));
        }
        removed = QFile::remove(UserMimePackage(folders, kMimePackage)) || removed;
        ok = WriteAutostart(folders, ExecProgram(QString::fromUtf8(ReadAll(system))), programPath);
    } else {
        const QString mime = MimePackageXml();
        const QString entry = DesktopEntry(programPath);
        ok = !mime.isEmpty() && WriteText(UserMimePackage(folders, kMimePackage), mime.toUtf8());
        ok = !entry.isEmpty() && WriteText(UserEntryPath(folders), entry.toUtf8()) && ok;
        ok = WriteAutostart(folders, programPath, programPath) && ok;
        for (const auto &icon : ProgramIcons())
            WriteText(IconPath(folders.m_DataHome, icon.second), ReadAll(icon.first));
    }
    if (runTools && (system.isEmpty() || removed)) {
        RunTool(QStringLiteral("update-mime-database"), { mimeFolder });
        RunTool(QStringLiteral("update-desktop-database"), { appsFolder });
    }
    return ok;
}

bool CShellRegistration::IsRegistered(const Folders &folders, const QString &programPath)
{
    const QByteArray autostart = ReadAll(AutostartPath(folders));
    // An entry without the program's TryExec would try to start it after
    // the program is gone.
    if (!autostart.contains(TryExecLine(programPath).toUtf8()))
        return false;
    if (!SystemEntry(folders, programPath).isEmpty()) {
        return Starts(QString::fromUtf8(autostart), programPath)
            && !IsOwnUserEntry(QString::fromUtf8(ReadAll(UserEntryPath(folders))))
            && !QFile::exists(UserMimePackage(folders, kMimePackage))
            && !QFile::exists(UserMimePackage(folders, kOldMimePackage));
    }
    return ReadAll(UserEntryPath(folders)) == DesktopEntry(programPath).toUtf8()
        && QFile::exists(UserMimePackage(folders, kMimePackage));
}
