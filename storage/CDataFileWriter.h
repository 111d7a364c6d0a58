#pragma once

#include <QString>
#include <memory>

class QSaveFile;

// Writes one data file that arrives in a reminder pack into the data
// folder. Only names CPackDataName accepts are written, and only inside the
// real icons and sounds folders: a folder or an existing file that is a
// link leading elsewhere is refused. The file replaces one of the same name
// only once it has arrived whole; a record that breaks off leaves the old
// file as it was.
class CDataFileWriter
{
public:
    explicit CDataFileWriter(const QString &dataFolder);
    ~CDataFileWriter();
    CDataFileWriter(const CDataFileWriter &) = delete;
    CDataFileWriter &operator=(const CDataFileWriter &) = delete;

    // Starts the file of that pack name; false (with Reason) when it may
    // not or cannot be written.
    bool Begin(const QString &name);
    void Write(const char *data, qint64 size);
    // Puts the file in place; false when writing failed.
    bool Finish();
    void Abort();

    QString Path() const { return m_path; }
    QString Reason() const { return m_reason; }

private:
    bool Refuse(const QString &reason);
    bool MakeFolders(const QString &relativeDir);

    QString m_dataFolder;
    QString m_path;
    QString m_reason;
    std::unique_ptr<QSaveFile> m_file;
};
