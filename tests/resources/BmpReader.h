#pragma once
// A small reader of Windows bitmap files for the resource tests: it checks the
// layout byte by byte (no trust in the header's own sizes) and gives pixel access.
#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>
#include <QtEndian>

struct BmpFile
{
    QString error;            // empty when the file is well formed
    quint32 fileSize = 0;
    quint32 pixelOffset = 0;
    qint32 width = 0;
    qint32 height = 0;        // positive: rows stored bottom-up
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
    QList<QRgb> table;
    QByteArray data;

    int rowBytes() const { return ((width * bitCount + 31) / 32) * 4; }

    // Row y counted from the top.
    const uchar *row(int y) const
    {
        return reinterpret_cast<const uchar *>(data.constData()) + pixelOffset + qsizetype(height - 1 - y) * rowBytes();
    }

    int index(int x, int y) const
    {
        const uchar *r = row(y);
        if (bitCount == 1)
            return (r[x / 8] >> (7 - x % 8)) & 1;
        return r[x];
    }

    QRgb rgb(int x, int y) const
    {
        if (bitCount == 24) {
            const uchar *p = row(y) + 3 * x;
            return qRgb(p[2], p[1], p[0]);
        }
        return table.value(index(x, y));
    }

    static BmpFile parse(const QByteArray &bytes)
    {
        BmpFile f;
        f.data = bytes;
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        if (bytes.size() < 54)
            return f.fail(QStringLiteral("shorter than the two headers"));
        if (bytes.left(2) != "BM")
            return f.fail(QStringLiteral("no BM signature"));
        f.fileSize = u32(2);
        f.pixelOffset = u32(10);
        if (u32(14) != 40)
            return f.fail(QStringLiteral("information header is not 40 bytes"));
        f.width = qint32(u32(18));
        f.height = qint32(u32(22));
        f.planes = u16(26);
        f.bitCount = u16(28);
        f.compression = u32(30);
        f.coloursUsed = u32(46);
        if (f.fileSize != quint32(bytes.size()))
            return f.fail(QStringLiteral("file size field %1, file %2").arg(f.fileSize).arg(bytes.size()));
        if (f.width <= 0 || f.height <= 0 || f.width > 4096 || f.height > 4096)
            return f.fail(QStringLiteral("odd dimensions"));
        if (f.bitCount != 1 && f.bitCount != 8 && f.bitCount != 24)
            return f.fail(QStringLiteral("bit count %1").arg(f.bitCount));
        const quint32 colours = f.coloursUsed ? f.coloursUsed : (f.bitCount == 24 ? 0u : (1u << f.bitCount));
        if (colours > 256)
            return f.fail(QStringLiteral("too many colours"));
        if (f.pixelOffset != 54 + 4 * colours)
            return f.fail(QStringLiteral("pixel offset %1 does not follow the colour table").arg(f.pixelOffset));
        if (qint64(f.pixelOffset) + qint64(f.rowBytes()) * f.height != bytes.size())
            return f.fail(QStringLiteral("pixel rows do not fill the file exactly"));
        for (quint32 i = 0; i < colours; ++i) {
            const char *e = bytes.constData() + 54 + 4 * i;
            f.table.append(qRgb(uchar(e[2]), uchar(e[1]), uchar(e[0])));
        }
        return f;
    }

private:
    BmpFile fail(const QString &why)
    {
        error = why;
        return *this;
    }
};
