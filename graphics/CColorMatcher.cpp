#include "graphics/CColorMatcher.h"

namespace {
constexpr double kLumaScale = 0.00392156862745098;
constexpr int kNoBucket = -512;
}

CColorMatcher &CColorMatcher::Instance()
{
    static CColorMatcher matcher;
    return matcher;
}

int CColorMatcher::LuminanceBucket(int red, int green, int blue)
{
    const double lum = 0.6 * green + 0.3 * red + 0.1 * blue;
    return int(15 * lum * kLumaScale + 0.5);
}

void CColorMatcher::Reset()
{
    for (auto &bucket : m_buckets)
        bucket.clear();
    for (int k = 0; k < kBuckets; ++k)
        m_references[k] = k;
    m_colorCount = 0;
    m_built = false;
    m_colors.clear();
}

void CColorMatcher::Build(const QList<QRgb> &colours)
{
    if (m_built)
        return;
    Reset();
    m_built = true;
    m_colorCount = int(colours.size());
    m_colors = colours;
    for (int i = 0; i < m_colorCount; ++i) {
        const QRgb c = colours[i] & 0xFFFFFF;
        m_buckets[LuminanceBucket(qRed(c), qGreen(c), qBlue(c))].emplace_back(c, i);
    }
    LinkEmptyBuckets();
}

// An empty bucket refers to the nearer non-empty bucket, below on a tie.
// Where the nearer side has none (a palette without its brightest colours),
// the other side is taken, so such colours still find a colour of their own
// brightness range rather than index 0.
void CColorMatcher::LinkEmptyBuckets()
{
    int below = kNoBucket;
    for (int k = 0; k < m_bucketCount; ++k) {
        if (!m_buckets[k].empty()) {
            m_references[k] = k;
            below = k;
            continue;
        }
        int above = -1;
        for (int j = k + 1; j < m_bucketCount; ++j)
            if (!m_buckets[j].empty()) {
                above = j;
                break;
            }
        const int up = above >= 0 ? above - k : m_bucketCount - k;
        const int down = k - below;
        int chosen = down > up ? above : below;
        if (chosen < 0)
            chosen = down > up ? below : above;
        if (chosen >= 0)
            m_references[k] = chosen;
    }
}

int CColorMatcher::Nearest(int red, int green, int blue) const
{
    const int bucket = LuminanceBucket(red, green, blue);
    if (bucket < 0 || bucket >= kBuckets)
        return 0;
    const auto &pairs = m_buckets[m_references[bucket]];
    if (pairs.empty())
        return 0;
    unsigned best = kStartDistance;
    int result = 0;
    for (const auto &[colour, index] : pairs) {
        const int dr = int(qRed(colour)) - red;
        const int dg = int(qGreen(colour)) - green;
        const int db = int(qBlue(colour)) - blue;
        const unsigned d = unsigned(dr * dr) + unsigned(dg * dg) + unsigned(db * db);
        if (d <= best) {
            result = index;
            best = d;
            if (d < kCloseEnough)
                break;
        }
    }
    return result;
}
