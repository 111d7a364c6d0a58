#pragma once

#include <QString>
#include <QStringDecoder>
#include <memory>
#include <vector>

class QIODevice;
class QSaveFile;

// A comma-separated text file, read record by record or written field by
// field. Reading follows RFC 4180 as real calendar exports need it: a
// quoted field runs to its closing quote across line ends and is taken
// whole however long it is (up to kMaxFieldLength characters, beyond which
// the rest is dropped), "" inside it is one quote, and records end at
// CR LF, LF or a bare CR. Text in UTF-8 or UTF-16 (with a byte-order mark,
// or UTF-8 that reads as such) is decoded as such, anything else as the
// Windows ANSI code page. The separator is found from the first record:
// "," unless that line holds more of ";", tab, "~" or "|".
//
// Written fields are always quoted, and lines end in CR LF. The file is
// written as the ANSI code page when every character fits, else as UTF-8
// with a byte-order mark; it replaces an existing file only once complete.
class CCsvFile
{
public:
    enum OpenMode { modeRead, modeWrite };
    static constexpr qsizetype kMaxFieldLength = 1 << 24;
    static constexpr int kMaxFields = 4096; // fields kept of one record

    CCsvFile();
    ~CCsvFile();
    CCsvFile(const CCsvFile &) = delete;
    CCsvFile &operator=(const CCsvFile &) = delete;

    bool Open(const QString &path, OpenMode mode);
    // Reads from a device that is already open (not owned).
    bool OpenDevice(QIODevice *device);
    // For writing: puts the file in place; false when that failed.
    bool Close();
    QString ErrorString() const { return m_error; }

    // Reads the next record; false at the end of the file. A record of
    // nothing at all (a blank line) is passed over.
    bool ReadLine();
    bool MoreFields() const { return m_next < m_fields.size(); }
    QString ReadField();
    const std::vector<QString> &Fields() const { return m_fields; }
    // Fields of the record beyond kMaxFields, read and dropped.
    int DroppedFields() const { return m_dropped; }

    QChar Separator() const { return m_separator; }
    void SetSeparator(QChar separator);

    // Writing. "\n" in WriteText becomes CR LF.
    void WriteField(const QString &text);
    void WriteText(const QString &text);

private:
    bool Fill();
    int Peek();
    int Get();
    void DetectSeparator();
    void ChooseDecoding(const QByteArray &head, bool first);

    // reading
    std::unique_ptr<QIODevice> m_owned;
    QIODevice *m_device = nullptr;
    enum Decoding { Undecided, Ansi, Decoder } m_decoding = Undecided;
    QStringDecoder m_decoder;
    bool m_started = false;
    bool m_eof = false;
    QString m_chunk;
    qsizetype m_pos = 0;
    std::vector<QString> m_fields;
    size_t m_next = 0;
    int m_dropped = 0;
    QChar m_separator = QLatin1Char(',');
    bool m_separatorKnown = false;

    // writing
    std::unique_ptr<QSaveFile> m_out;
    QString m_text;
    QString m_error;
};
