#include "storage/CKmPaths.h"

#include "model/CTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

const QString CKmPaths::kOrganization = QStringLiteral("Quendrake Inc");
const QString CKmPaths::kApplication = QStringLiteral("Kestrelmark");

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString standardFolder()
{
    // With the application's identity set this is exactly AppDataLocation;
    // built by hand otherwise, so that a tool that forgot to set it still
    // finds the same files.
    if (QCoreApplication::organizationName() == CKmPaths::kOrganization
        && QCoreApplication::applicationName() == CKmPaths::kApplication)
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + CKmPaths::kOrganization + QLatin1Char('/') + CKmPaths::kApplication;
}
} // namespace

void CKmPaths::SetApplicationIdentity()
{
    QCoreApplication::setOrganizationName(kOrganization);
    QCoreApplication::setApplicationName(kApplication);
}

QString CKmPaths::DataFolder()
{
    QString folder = overrideFolder().isEmpty() ? standardFolder() : overrideFolder();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (!QDir().mkpath(folder))
        Trace(QStringLiteral("Can't create the data folder ") + folder + QStringLiteral("!\n"));
    return folder;
}

void CKmPaths::SetDataFolder(const QString &folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString CKmPaths::ToFileSystemName(const QString &backslashName)
{
    QString name = backslashName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name;
}

QString CKmPaths::ResolveDataFile(const QString &backslashName)
{
    return ResolveDataFile(DataFolder(), backslashName);
}

QString CKmPaths::ResolveDataFile(const QString &folder, const QString &backslashName)
{
    QString name = ToFileSystemName(backslashName);
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return folder + QLatin1Char('/') + name;
}

QString CKmPaths::FileNameOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString CKmPaths::ResolveSound(const QString &soundName)
{
    return ResolveSound(DataFolder(), soundName);
}

QString CKmPaths::ResolveSound(const QString &folder, const QString &soundName)
{
    if (soundName.isEmpty())
        return QString();
    const QString name = ToFileSystemName(soundName);
    if (QDir::isAbsolutePath(name))
        return name;
    return folder + QStringLiteral("/sounds/") + name;
}
