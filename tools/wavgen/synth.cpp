// SPDX-License-Identifier: MIT
#include "wavgen/synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kNoteRelease = 0.006;
constexpr double kEdgeFade = 0.003;
constexpr double kVibratoHz = 5.5;
// Partials fade out on their way up to this fraction of the sample rate, so
// nothing folds back below half the rate as a harsh alias.
constexpr double kTopFraction = 0.45;
constexpr double kFadeBand = 0.05;
} // namespace

Synth::Synth(int rate, int frames, std::uint64_t seed)
    : m_rate(rate)
    , m_mix(static_cast<std::size_t>(frames), 0.0)
    , m_state(seed * 0x9E3779B97F4A7C15ULL + 1)
{
}

std::vector<Synth::Partial> Synth::harmonics(std::initializer_list<double> gains)
{
    std::vector<Partial> out;
    double k = 1;
    for (const double g : gains)
        out.push_back({k++, g});
    return out;
}

double Synth::uniform()
{
    // xorshift64*: small, fast and the same on every platform.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    return static_cast<double>((m_state * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}

void Synth::add(long index, double value)
{
    if (index >= 0 && index < static_cast<long>(m_mix.size()))
        m_mix[static_cast<std::size_t>(index)] += value;
}

void Synth::note(const Note& n)
{
    const long start = std::lround(n.at * m_rate);
    const long count = std::lround(n.seconds * m_rate);
    const double top = kTopFraction * m_rate;
    std::vector<double> phase(n.partials.size(), 0.0);
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / m_rate;
        double freq = n.freq;
        if (n.glideTo > 0)
            freq = n.freq * std::pow(n.glideTo / n.freq, t / n.seconds);
        freq *= 1.0 + n.vibrato * std::sin(2 * kPi * kVibratoHz * t);

        double env = t < n.attack ? t / n.attack : std::exp(-(t - n.attack) / n.decay);
        const double left = n.seconds - t;
        if (left < kNoteRelease)
            env *= left / kNoteRelease;

        double sample = 0;
        for (std::size_t p = 0; p < n.partials.size(); ++p) {
            const double f = freq * n.partials[p].ratio;
            phase[p] += 2 * kPi * f / m_rate;
            const double room = std::clamp((top - f) / (kFadeBand * m_rate), 0.0, 1.0);
            sample += n.partials[p].gain * room * std::sin(phase[p]);
        }
        add(start + i, n.gain * env * sample);
    }
}

void Synth::click(double at, double gain, double centre, double q, double decay)
{
    // Band-pass biquad (constant peak gain) fed with white noise.
    const double w = 2 * kPi * centre / m_rate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2 * std::cos(w) / a0;
    const double a2 = (1 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    const long start = std::lround(at * m_rate);
    const long count = std::lround(decay * 7 * m_rate);
    const double attack = 0.0004;
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / m_rate;
        const double env = t < attack ? t / attack : std::exp(-(t - attack) / decay);
        const double x = (uniform() * 2 - 1) * env;
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        add(start + i, gain * y);
    }
}

void Synth::strike(double at, double gain, const std::vector<Mode>& modes)
{
    const long start = std::lround(at * m_rate);
    for (const auto& m : modes) {
        const long count = std::lround(m.decay * 7 * m_rate);
        for (long i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / m_rate;
            add(start + i, gain * m.gain * std::exp(-t / m.decay) * std::sin(2 * kPi * m.freq * t));
        }
    }
}

std::vector<double> Synth::finish(double peak) const
{
    double loudest = 0;
    for (const double s : m_mix)
        loudest = std::max(loudest, std::fabs(s));
    const double scale = loudest > 0 ? peak / loudest : 0;
    std::vector<double> out(m_mix.size());
    const auto fade = static_cast<std::size_t>(std::lround(kEdgeFade * m_rate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double g = scale;
        if (i < fade)
            g *= static_cast<double>(i) / static_cast<double>(fade);
        const std::size_t fromEnd = out.size() - 1 - i;
        if (fromEnd < fade)
            g *= static_cast<double>(fromEnd) / static_cast<double>(fade);
        out[i] = m_mix[i] * g;
    }
    return out;
}
