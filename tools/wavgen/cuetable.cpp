// SPDX-License-Identifier: MIT
#include "wavgen/cuetable.h"

#include "wavgen/synth.h"
#include "wavgen/wavencoder.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace {
// The buzz is loud for its peak; this keeps it level with the others.
constexpr double kBuzzPeak = 0.6;

// Equal-tempered pitches used below.
constexpr double kB4 = 493.88;
constexpr double kC4 = 261.63;
constexpr double kE4 = 329.63;
constexpr double kF4 = 349.23;
constexpr double kG4 = 392.00;
constexpr double kA4 = 440.00;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kC6 = 1046.50;
constexpr double kE6 = 1318.51;
constexpr double kG6 = 1567.98;

// A soft mallet on a bar: strong fundamental, a few quiet overtones.
const std::vector<Synth::Partial>& mallet()
{
    static const auto p = Synth::harmonics({1.0, 0.35, 0.12, 0.05});
    return p;
}

// A bright brass-like tone for fanfares.
const std::vector<Synth::Partial>& brass()
{
    static const auto p = Synth::harmonics({1.0, 0.7, 0.5, 0.35, 0.25, 0.15, 0.1, 0.06});
    return p;
}

// A small bell: partials that are not whole multiples, as a bell's are.
const std::vector<Synth::Partial>& bell()
{
    static const std::vector<Synth::Partial> p = {{1.0, 1.0}, {2.76, 0.45}, {5.40, 0.22}, {8.93, 0.08}};
    return p;
}

// Three rising mallet notes: a friendly "hello".
void entered(Synth& s)
{
    s.note({0.00, 0.30, kG5, 0.8, mallet(), 0.004, 0.14});
    s.note({0.12, 0.30, kC6, 0.8, mallet(), 0.004, 0.14});
    s.note({0.24, 0.55, kE6, 0.9, mallet(), 0.004, 0.20});
    s.note({0.24, 0.55, kC5, 0.25, mallet(), 0.004, 0.25});
}

// A quick two-note ping that says "your turn".
void turnnew(Synth& s)
{
    const auto bright = Synth::harmonics({1.0, 0.5, 0.3, 0.15, 0.08});
    s.note({0.00, 0.20, kC6, 0.7, bright, 0.003, 0.07});
    s.note({0.08, 0.35, kG6, 0.8, bright, 0.003, 0.12});
    s.note({0.08, 0.35, kG6 * 2, 0.15, bell(), 0.002, 0.06});
}

// Dice thrown on a table: each die bounces with ever shorter gaps and
// softer knocks, with a little random spread in time and pitch.
void dice(Synth& s)
{
    constexpr int kDice = 3;
    constexpr double kFirstGap = 0.13;
    constexpr double kGapShrink = 0.78;
    constexpr double kKnockFade = 0.68;
    constexpr double kShortestGap = 0.012;
    constexpr double kLast = 0.70;
    for (int d = 0; d < kDice; ++d) {
        double t = 0.004 + d * 0.021 + s.uniform() * 0.01;
        double gap = kFirstGap * (0.85 + 0.3 * s.uniform());
        double gain = 1.0 - 0.15 * d;
        while (t < kLast && gap > kShortestGap) {
            // Every draw is named before use: the order in which a call's
            // arguments are evaluated differs between compilers, and the
            // file must come out the same from every one.
            const double centre = 2600 + 1800 * s.uniform();
            const double q = 2.5 + s.uniform();
            const double ring = 0.0035 + 0.003 * s.uniform();
            s.click(t, gain * 0.9, centre, q, ring);
            // The table answers each knock with a short, dull thud.
            const double thud = 170 + 60 * s.uniform();
            const double wood = 880 + 200 * s.uniform();
            s.strike(t, gain * 0.25, {{thud, 1.0, 0.012}, {wood, 0.4, 0.006}});
            // Dice knocking into each other between bounces.
            if (s.uniform() < 0.5) {
                const double when = t + gap * (0.3 + 0.4 * s.uniform());
                const double pitch = 4200 + 1200 * s.uniform();
                s.click(when, gain * 0.3, pitch, 4.0, 0.002);
            }
            t += gap * (0.9 + 0.2 * s.uniform());
            gap *= kGapShrink;
            gain *= kKnockFade;
        }
    }
}

// One die set down on wood: a short, hollow tick.
void placedice(Synth& s)
{
    s.strike(0.002, 1.0, {{1150, 1.0, 0.016}, {2450, 0.5, 0.009}, {3900, 0.25, 0.005}, {320, 0.35, 0.02}});
    s.click(0.002, 0.8, 3000, 2.0, 0.0015);
}

// A die picked back up: a light tick and a little falling "pop".
void unset(Synth& s)
{
    s.strike(0.002, 0.5, {{1500, 1.0, 0.010}, {3100, 0.4, 0.006}});
    s.click(0.002, 0.4, 3800, 2.0, 0.0012);
    s.note({0.015, 0.19, 900, 0.9, Synth::harmonics({1.0, 0.2, 0.05}), 0.002, 0.05, 520});
}

// Nothing scored: a falling, hollow "bwomp".
void belbix(Synth& s)
{
    std::vector<Synth::Partial> hollow;
    for (int k = 1; k <= 14; ++k)
        hollow.push_back({static_cast<double>(k), 1.0 / std::pow(k, 1.6)});
    s.note({0.0, 0.25, 300, 1.0, hollow, 0.012, 0.16, 85});
}

// Refused: two short low buzzes.
void invalid(Synth& s)
{
    std::vector<Synth::Partial> buzz;
    for (int k = 1; k <= 15; k += 2)
        buzz.push_back({static_cast<double>(k), 1.0 / k});
    s.note({0.00, 0.10, 170, 1.0, buzz, 0.004, 0.25});
    s.note({0.13, 0.11, 170, 1.0, buzz, 0.004, 0.25});
}

// Not enough to get on the board: a falling "uh-oh".
void notonboard(Synth& s)
{
    const auto voice = Synth::harmonics({1.0, 0.45, 0.25, 0.12, 0.06});
    s.note({0.00, 0.12, kE5, 0.9, voice, 0.008, 0.2});
    s.note({0.12, 0.16, kB4, 1.0, voice, 0.008, 0.15, kB4 * 0.95});
}

// A round banked: a small rising fanfare ending on a held chord.
void turnovergood(Synth& s)
{
    s.note({0.00, 0.13, kC5, 0.7, brass(), 0.012, 0.25});
    s.note({0.10, 0.13, kE5, 0.7, brass(), 0.012, 0.25});
    s.note({0.20, 0.14, kG5, 0.75, brass(), 0.012, 0.25});
    s.note({0.32, 0.68, kC6, 0.8, brass(), 0.015, 0.35, 0, 0.004});
    s.note({0.32, 0.68, kG5, 0.35, brass(), 0.02, 0.35, 0, 0.004});
    s.note({0.32, 0.68, kE5, 0.3, brass(), 0.02, 0.35, 0, 0.004});
    s.note({0.32, 0.50, kC6 * 2, 0.12, bell(), 0.002, 0.12});
}

// The game is over: a quick run up, then a closing cadence with a bell.
void gameover(Synth& s)
{
    const double run[] = {kC5, kE5, kG5, kC6, kE6};
    for (int i = 0; i < 5; ++i)
        s.note({i * 0.09, 0.16, run[i], 0.55, brass(), 0.008, 0.12});
    for (const double f : {kF4, kA4, kC5})
        s.note({0.52, 0.58, f, 0.45, brass(), 0.03, 0.5, 0, 0.003});
    for (const double f : {kC4, kE4, kG4, kC5})
        s.note({1.10, 1.69, f, 0.45, brass(), 0.03, 0.75, 0, 0.004});
    s.note({1.10, 1.69, kC6, 0.35, bell(), 0.002, 0.45});
    s.note({1.10, 1.69, kG6, 0.12, bell(), 0.002, 0.3});
}

std::uint64_t seedOf(const char* name)
{
    std::uint64_t h = 1469598103934665603ULL;   // FNV-1a
    for (const char* p = name; *p != '\0'; ++p)
        h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ULL;
    return h;
}
} // namespace

const std::vector<CueTable::Asset>& CueTable::assets()
{
    static const std::vector<Asset> table = {
        {"ENTERED", 11025, 8, 0.79, entered},
        {"TURNNEW", 44100, 8, 0.43, turnnew},
        {"DICE", 22050, 8, 0.76, dice},
        {"PLACEDICE", 22050, 8, 0.11, placedice},
        {"UNSET", 44100, 16, 0.22, unset},
        {"BELBIX", 8000, 8, 0.25, belbix},
        {"INVALID", 11025, 8, 0.25, invalid, kBuzzPeak},
        {"NOTONBOARD", 11025, 8, 0.28, notonboard},
        {"TURNOVERGOOD", 22050, 8, 1.00, turnovergood},
        {"GAMEOVER", 22050, 16, 2.79, gameover},
    };
    return table;
}

std::string CueTable::render(const Asset& asset)
{
    const int frames = static_cast<int>(std::lround(asset.rate * asset.seconds));
    Synth synth(asset.rate, frames, seedOf(asset.name));
    asset.compose(synth);
    return WavEncoder::encode(synth.finish(asset.peak), asset.rate, asset.bits, seedOf(asset.name) + 1);
}

std::vector<std::filesystem::path> CueTable::writeAll(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> written;
    for (const auto& asset : assets()) {
        const auto path = folder / (std::string(asset.name) + ".wav");
        const auto bytes = render(asset);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + path.string());
        written.push_back(path);
    }
    return written;
}
