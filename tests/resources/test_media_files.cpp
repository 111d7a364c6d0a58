// The click sounds, the program icon and the notice of the artwork's sources.
#include "ResourceFiles.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Wave
{
    QString error;
    int channels = 0, rate = 0, bits = 0, format = 0;
    QList<qint16> samples;
};

// Reads a RIFF wave file chunk by chunk.
Wave readWave(const QByteArray &b)
{
    Wave w;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not a RIFF wave file");
        return w;
    }
    if (qFromLittleEndian<quint32>(b.constData() + 4) != quint32(b.size() - 8)) {
        w.error = QStringLiteral("RIFF size does not match the file");
        return w;
    }
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        if (size > quint32(b.size() - at - 8)) {
            w.error = QStringLiteral("chunk runs past the end");
            return w;
        }
        const char *d = b.constData() + at + 8;
        if (id == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(d);
            w.channels = qFromLittleEndian<quint16>(d + 2);
            w.rate = int(qFromLittleEndian<quint32>(d + 4));
            w.bits = qFromLittleEndian<quint16>(d + 14);
        } else if (id == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                w.samples.append(qFromLittleEndian<qint16>(d + i));
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

} // namespace

TEST(ClickSounds, ShortSoftSixteenBitPcm)
{
    for (const QString &name : {QStringLiteral("IDR_WAVE_CLICK"), QStringLiteral("IDR_WAVE_CLICK2")}) {
        SCOPED_TRACE(name.toStdString());
        const Wave w = readWave(readResourceFile(QStringLiteral("sounds/%1.wav").arg(name)));
        ASSERT_TRUE(w.error.isEmpty()) << qPrintable(w.error);
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        ASSERT_GT(w.channels, 0);
        ASSERT_GT(w.rate, 0);
        const double ms = 1000.0 * w.samples.size() / w.channels / w.rate;
        EXPECT_GT(ms, 5.0);
        EXPECT_LT(ms, 100.0);
        int peak = 0;
        for (qint16 s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 32767 / 20) << "audible";
        EXPECT_LT(peak, 32767 / 2) << "soft";
        EXPECT_LT(std::abs(int(w.samples.first())), 32767 / 50) << "starts without a pop";
        EXPECT_LT(std::abs(int(w.samples.last())), 32767 / 50) << "ends without a pop";
    }
}

TEST(ProgramIcon, EveryDesktopSizeWithTransparentCorners)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(resourcePath(QStringLiteral("icons/kestrelmark-%1.png").arg(size)));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
        if (size < 256) {
            const QImage sharp(resourcePath(QStringLiteral("icons/kestrelmark-%1@2x.png").arg(size)));
            EXPECT_EQ(sharp.size(), QSize(2 * size, 2 * size)) << size;
        }
    }
}

TEST(Notice, NamesTheArtworkSourcesAndTheirLicences)
{
    const QString notice = QString::fromUtf8(readResourceFile(QStringLiteral("NOTICE")));
    for (const char *needle : {"Noto Color Emoji", "Apache License", "SIL Open Font License", "Liberation",
                               "TERMS AND CONDITIONS FOR USE, REPRODUCTION, AND DISTRIBUTION"})
        EXPECT_TRUE(notice.contains(QLatin1String(needle))) << needle;
}
