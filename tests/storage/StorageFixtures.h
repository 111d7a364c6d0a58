#pragma once

#include "model/CReminder.h"
#include "storage/CKmPaths.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

// A data folder of its own for one test, inside a temporary root so that
// files written outside it can be found.
class CTempDataFolder
{
public:
    CTempDataFolder()
    {
        QDir().mkpath(Data());
        CKmPaths::SetDataFolder(Data());
    }
    ~CTempDataFolder() { CKmPaths::SetDataFolder(QString()); }
    QString Root() const { return m_dir.path(); }
    QString Data() const { return m_dir.path() + QStringLiteral("/data"); }
    QString At(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    // Every file under the root, relative to it, sorted.
    QStringList AllFiles() const
    {
        QStringList files;
        QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(m_dir.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

private:
    QTemporaryDir m_dir;
};

// Forwards writes to another device and fails once a number of bytes
// have gone through, as a full disk would.
class CFailingDevice : public QIODevice
{
public:
    CFailingDevice(QIODevice &target, qint64 failAfter) : m_target(target), m_left(failAfter)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (size > m_left) {
            if (m_left > 0)
                m_target.write(data, m_left);
            m_left = 0;
            return -1;
        }
        m_left -= size;
        return m_target.write(data, size);
    }

private:
    QIODevice &m_target;
    qint64 m_left;
};

// Little-endian bytes written by hand, for layouts checked byte by byte.
class CBytes
{
public:
    CBytes &DWord(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_bytes.append(b, 4);
        return *this;
    }
    CBytes &Word(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        m_bytes.append(b, 2);
        return *this;
    }
    CBytes &Double(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        char b[8];
        qToLittleEndian(bits, b);
        m_bytes.append(b, 8);
        return *this;
    }
    CBytes &Byte(quint8 v)
    {
        m_bytes.append(static_cast<char>(v));
        return *this;
    }
    // A short ANSI string: one length byte, then the bytes.
    CBytes &Str(const QByteArray &s)
    {
        Byte(static_cast<quint8>(s.size()));
        m_bytes.append(s);
        return *this;
    }
    CBytes &Raw(const QByteArray &b)
    {
        m_bytes.append(b);
        return *this;
    }
    const QByteArray &Data() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline bool WriteAll(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

inline CReminder MakeReminder(int y, int mo, int d, int h, int mi, const QString &message,
                              int recurrence = RecurOneTime)
{
    CReminder r;
    r.m_DateTime = COleDateTime(y, mo, d, h, mi, 0);
    r.m_Message = message;
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_IconName = QStringLiteral("Birthday");
    return r;
}
