#include "Sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {
namespace {

const int sampleRate = 44100;

struct Click
{
    double milliseconds;
    double tone;      // Hz
    double overtone;  // Hz, a quieter partial that gives the click its body
    double decay;     // seconds, time constant of the tone
    double noise;     // share of the short noise burst at the start
    double peak;      // of full scale
};

QByteArray wav(const std::vector<qint16> &samples)
{
    QByteArray out;
    auto put32 = [&out](quint32 v) { char b[4]; qToLittleEndian(v, b); out.append(b, 4); };
    auto put16 = [&out](quint16 v) { char b[2]; qToLittleEndian(v, b); out.append(b, 2); };
    const quint32 dataBytes = quint32(samples.size() * 2);
    out.append("RIFF", 4);
    put32(36 + dataBytes);
    out.append("WAVEfmt ", 8);
    put32(16);
    put16(1);              // PCM
    put16(1);              // mono
    put32(sampleRate);
    put32(sampleRate * 2); // bytes per second
    put16(2);              // bytes per frame
    put16(16);
    out.append("data", 4);
    put32(dataBytes);
    for (qint16 s : samples)
        put16(quint16(s));
    return out;
}

QByteArray synthesise(const Click &c)
{
    const int n = int(sampleRate * c.milliseconds / 1000.0);
    std::vector<double> v(size_t(n), 0.0);
    quint32 seed = 0x2545F491u;
    double low = 0;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / sampleRate;
        const double body = std::sin(2 * pi * c.tone * t) + 0.35 * std::sin(2 * pi * c.overtone * t);
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1u << 23) - 1.0;
        low += 0.35 * (white - low); // soften the burst
        const double burst = low * std::exp(-t / 0.0012);
        // A few samples of attack so that the start does not pop.
        const double attack = std::min(1.0, i / 24.0);
        v[size_t(i)] = attack * ((1.0 - c.noise) * body * std::exp(-t / c.decay) + c.noise * burst);
    }
    double top = 0;
    for (double s : v)
        top = std::max(top, std::abs(s));
    std::vector<qint16> samples(static_cast<size_t>(n));
    const int fade = sampleRate / 400; // the last 2.5 ms go to silence
    for (int i = 0; i < n; ++i) {
        double s = v[size_t(i)] / top * c.peak;
        if (i >= n - fade)
            s *= double(n - 1 - i) / fade;
        samples[size_t(i)] = qint16(std::lround(s * 32767.0));
    }
    return wav(samples);
}

} // namespace

QByteArray clickSound()
{
    return synthesise({45, 1750, 3900, 0.0045, 0.35, 0.30});
}

QByteArray interfaceClick()
{
    return synthesise({35, 1150, 2600, 0.0035, 0.25, 0.25});
}

} // namespace art
