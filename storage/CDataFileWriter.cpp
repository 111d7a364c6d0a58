#include "storage/CDataFileWriter.h"

#include "model/CTrace.h"
#include "storage/CPackDataName.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

CDataFileWriter::CDataFileWriter(const QString &dataFolder) : m_dataFolder(dataFolder) {}

CDataFileWriter::~CDataFileWriter() { Abort(); }

bool CDataFileWriter::Refuse(const QString &reason)
{
    m_reason = reason;
    Trace(QStringLiteral("Refusing data file ") + m_path + QStringLiteral(": ") + reason + QLatin1Char('\n'));
    m_file.reset();
    return false;
}

bool CDataFileWriter::MakeFolders(const QString &relativeDir)
{
    const QString full = m_dataFolder + QLatin1Char('/') + relativeDir;
    if (QFileInfo(full).isDir())
        return true;
    Trace(QStringLiteral("Directory does not exist: ") + QDir::toNativeSeparators(full) + QLatin1Char('\n'));
    QString path = m_dataFolder;
    for (const QString &piece : relativeDir.split(QLatin1Char('/'))) {
        path += QLatin1Char('/') + piece;
        Trace(QStringLiteral("Checking for directory ") + QDir::toNativeSeparators(path) + QStringLiteral("...\n"));
        const QFileInfo info(path);
        if (info.isSymLink() && !info.isDir())
            return false;
        if (!info.exists()) {
            Trace("Creating new directory...\n");
            if (!QDir().mkdir(path))
                return false;
        } else if (!info.isDir()) {
            return false;
        }
    }
    return true;
}

bool CDataFileWriter::Begin(const QString &name)
{
    Abort();
    m_reason.clear();
    m_path.clear();
    QString relative;
    QString why;
    if (!CPackDataName::Check(name, &relative, &why)) {
        m_path = name;
        return Refuse(why);
    }
    m_path = m_dataFolder + QLatin1Char('/') + relative;
    const qsizetype cut = relative.lastIndexOf(QLatin1Char('/'));
    const QString relativeDir = relative.left(cut);
    Trace(QStringLiteral("fullPath = ") + relativeDir + QLatin1Char('\n'));
    if (!MakeFolders(relativeDir))
        return Refuse(QStringLiteral("cannot create its folder"));

    // The folder must really lie inside icons or sounds, links resolved.
    const QString top = relative.section(QLatin1Char('/'), 0, 0);
    const QString base = QFileInfo(m_dataFolder + QLatin1Char('/') + top).canonicalFilePath();
    const QString dir = QFileInfo(m_dataFolder + QLatin1Char('/') + relativeDir).canonicalFilePath();
    if (base.isEmpty() || dir.isEmpty() || (dir != base && !dir.startsWith(base + QLatin1Char('/'))))
        return Refuse(QStringLiteral("its folder leads outside the data folder"));
    const QFileInfo target(m_path);
    if (target.isSymLink())
        return Refuse(QStringLiteral("a link of that name is in the way"));
    if (target.exists() && !target.isFile())
        return Refuse(QStringLiteral("a folder of that name is in the way"));

    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        Trace(QStringLiteral("Error creating file ") + QDir::toNativeSeparators(m_path) + QStringLiteral(".\n"));
        return Refuse(QStringLiteral("cannot create the file: ") + m_file->errorString());
    }
    return true;
}

void CDataFileWriter::Write(const char *data, qint64 size)
{
    if (m_file)
        m_file->write(data, size); // a failure is seen by Finish
}

bool CDataFileWriter::Finish()
{
    if (!m_file)
        return false;
    const bool ok = m_file->commit();
    if (!ok)
        m_reason = QStringLiteral("cannot write the file: ") + m_file->errorString();
    m_file.reset();
    return ok;
}

void CDataFileWriter::Abort()
{
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset(); // never committed: the temporary file goes
    }
}
