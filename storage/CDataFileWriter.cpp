#include "storage/CDataFileWriter.h"

#include "l10n/CNotes.h"
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

// The folders are made one at a time, each only once the folder it goes
// into is known to lie inside the top one (icons or sounds, which may be
// a link of the user's own), links resolved: nothing is ever made beyond a
// link that leads elsewhere.
bool CDataFileWriter::MakeFolders(const QString &relativeDir)
{
    const bool missing = !QFileInfo(m_dataFolder + QLatin1Char('/') + relativeDir).isDir();
    if (missing)
        Trace(QStringLiteral("Directory does not exist: ")
              + QDir::toNativeSeparators(m_dataFolder + QLatin1Char('/') + relativeDir) + QLatin1Char('\n'));
    QString path = m_dataFolder;
    QString top;
    for (const QString &piece : relativeDir.split(QLatin1Char('/'))) {
        path += QLatin1Char('/') + piece;
        if (missing)
            Trace(QStringLiteral("Checking for directory ") + QDir::toNativeSeparators(path) + QStringLiteral("...\n"));
        QFileInfo info(path);
        if (info.isSymLink() && !info.exists())
            return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a link that leads nowhere is in the way")));
        if (!info.exists()) {
            Trace("Creating new directory...\n");
            if (!QDir().mkdir(path))
                return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot create its folder")));
            info.refresh();
        } else if (!info.isDir()) {
            return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot create its folder")));
        }
        const QString real = info.canonicalFilePath();
        const bool inside = top.isNull() ? !real.isEmpty() : real.startsWith(top + QLatin1Char('/'));
        if (!inside)
            return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "its folder leads outside the data folder")));
        if (top.isNull())
            top = real;
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
        return false;
    const QFileInfo target(m_path);
    if (target.isSymLink())
        return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a link of that name is in the way")));
    if (target.exists() && !target.isFile())
        return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a folder of that name is in the way")));

    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        Trace(QStringLiteral("Error creating file ") + QDir::toNativeSeparators(m_path) + QStringLiteral(".\n"));
        return Refuse(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot create the file: %1")).arg(m_file->errorString()));
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
        m_reason = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write the file: %1")).arg(m_file->errorString());
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
