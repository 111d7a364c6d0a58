#pragma once
// Where the committed artwork lies, and reading it for the tests.
#include "BmpReader.h"

#include <QFile>
#include <QRgb>

#include <algorithm>
#include <cmath>
#include <QString>

inline QString resourcePath(const QString &relative)
{
    return QStringLiteral(KM_SOURCE_DIR "/resources/") + relative;
}

inline QByteArray readResourceFile(const QString &relative)
{
    QFile f(resourcePath(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Resource id as drawn for 100 %, or with suffix "@2x" at twice the pixels.
inline BmpFile readBitmap(int id, const QString &suffix = QString())
{
    const QByteArray bytes = readResourceFile(QStringLiteral("bitmaps/%1%2.bmp").arg(id).arg(suffix));
    if (bytes.isEmpty()) {
        BmpFile missing;
        missing.error = QStringLiteral("missing");
        return missing;
    }
    return BmpFile::parse(bytes);
}

// Relative luminance and contrast ratio as used for text legibility.
inline double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

inline double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
