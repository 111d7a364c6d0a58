#include "model/CIconFolderScan.h"

#include "model/CIconNameMap.h"
#include "model/CTrace.h"

#include <QDir>
#include <QFileInfo>

QStringList CIconFolderScan::Scan(const QString &folder, const CIconNameMap &names)
{
    QStringList found;
    if (!folder.isEmpty())
        ScanFolder(folder, QString(), 0, names, found);
    else
        Trace("Expand Directory: FindFirstFile failure.\n");
    return found;
}

bool CIconFolderScan::IsIconFileName(const QString &name)
{
    return name.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive);
}

QString CIconFolderScan::ToFileName(const QString &name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

void CIconFolderScan::ScanFolder(const QString &base, const QString &relative, int depth, const CIconNameMap &names,
                                 QStringList &found)
{
    QString folder = base;
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (!relative.isEmpty())
        folder += QLatin1Char('/') + ToFileName(relative);
    Trace(QStringLiteral("Searching for ") + folder + QStringLiteral("/* ...\n"));
    const QDir dir(folder);
    if (!dir.exists()) {
        Trace("Expand Directory: FindFirstFile failure.\n");
        return;
    }
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                    QDir::Name | QDir::IgnoreCase);
    QStringList subfolders;
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            Trace(QStringLiteral("Found directory ") + entry.fileName() + QStringLiteral("\n"));
            if (!entry.isSymLink())
                subfolders << entry.fileName();
            continue;
        }
        if (!IsIconFileName(entry.fileName()))
            continue;
        const QString name = relative.isEmpty() ? entry.fileName() : relative + QLatin1Char('\\') + entry.fileName();
        if (names.Find(name) == CIconNameMap::kNotFound)
            found << name;
    }
    if (depth >= kMaxFolderDepth)
        return;
    for (const QString &sub : subfolders)
        ScanFolder(base, relative.isEmpty() ? sub : relative + QLatin1Char('\\') + sub, depth + 1, names, found);
}
