#pragma once

#include <QList>
#include <QRgb>
#include <utility>
#include <vector>

// Finds the palette colour for a 24-bit colour, quickly: the palette's
// colours are sorted into 16 buckets by brightness, and a colour is only
// compared with the colours of its own bucket (or of the nearest non-empty
// one), stopping at the first that is close enough. So a colour may get a
// palette colour of similar brightness rather than the nearest one overall.
// One program-wide instance, built on the first conversion.
class CColorMatcher
{
public:
    static constexpr int kBuckets = 32;
    static constexpr int kUsedBuckets = 16;
    static constexpr unsigned kStartDistance = 6665536;
    static constexpr unsigned kCloseEnough = 100;

    CColorMatcher() { Reset(); }
    static CColorMatcher &Instance();

    // Sorts the colours (blue in bits 0-7, green 8-15, red 16-23; the top
    // byte is ignored) into the buckets; does nothing once built.
    void Build(const QList<QRgb> &colours);
    // Index of the palette colour for (red, green, blue); 0 when the
    // colour's bucket has nothing to offer.
    int Nearest(int red, int green, int blue) const;
    static int LuminanceBucket(int red, int green, int blue);

    bool IsBuilt() const { return m_built; }
    // The bucket that a colour of bucket k is searched in.
    int BucketReference(int k) const { return m_references[k]; }
    int BucketSize(int k) const { return int(m_buckets[k].size()); }
    // Forgets the palette (tests; the program builds the matcher once).
    void Reset();

private:
    void LinkEmptyBuckets();

    std::vector<std::pair<quint32, int>> m_buckets[kBuckets];
    int m_references[kBuckets] = {};
    int m_bucketCount = kUsedBuckets;
    int m_colorCount = 0;
    bool m_built = false;
    QList<QRgb> m_colors;
};
