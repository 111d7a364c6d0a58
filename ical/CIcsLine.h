#pragma once

#include <QByteArray>

// One content line of a calendar text. A line read keeps its bytes as they
// came (folding and line end included); a line written here ends in CRLF
// and is folded before it passes 75 octets, never inside a UTF-8
// character (RFC 5545 3.1).
struct CIcsLine
{
    static constexpr int kMaxOctets = 75;

    QByteArray m_Raw;      // as it stands, folding and line end included
    QByteArray m_Name;     // upper case
    QByteArray m_Unfolded; // without the line end

    // A logical line from its physical lines; a bare LF end becomes CRLF,
    // as the standard asks of every line.
    static CIcsLine Read(const QByteArray &raw);
    // A line of unfolded text (or of the library's own folded output) as
    // this program writes it.
    static CIcsLine Written(const QByteArray &text);
    static QByteArray Fold(const QByteArray &unfolded);

    // What follows the first colon outside a quoted parameter value.
    QByteArray Value() const;
    // The name and parameters: what comes before that colon.
    QByteArray Head() const;
};
