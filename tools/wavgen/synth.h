// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <vector>

// A mono mix buffer with the few instruments the cues are made of. Times and
// durations are in seconds, frequencies in hertz, gains linear. The noise is
// a fixed-seed generator, so the same calls always give the same samples.
class Synth {
public:
    struct Partial {
        double ratio;   // of the note's frequency
        double gain;
    };
    struct Note {
        double at;
        double seconds;
        double freq;
        double gain;
        std::vector<Partial> partials;
        double attack = 0.005;
        double decay = 0.2;     // time constant of the exponential fall
        double glideTo = 0;     // end frequency of a slide; 0 keeps the pitch
        double vibrato = 0;     // depth as a fraction of the frequency, at 5.5 Hz
    };
    struct Mode {
        double freq;
        double gain;
        double decay;
    };

    Synth(int rate, int frames, std::uint64_t seed);

    // Harmonic partials 1, 2, 3 ... with the given gains.
    static std::vector<Partial> harmonics(std::initializer_list<double> gains);

    void note(const Note& n);
    // A burst of noise through a resonant band-pass: the hard edge of a knock.
    void click(double at, double gain, double centre, double q, double decay);
    // Struck modes that ring down on their own: wood, a table top.
    void strike(double at, double gain, const std::vector<Mode>& modes);

    [[nodiscard]] double uniform();   // in [0, 1)
    [[nodiscard]] int rate() const { return m_rate; }

    // The mix scaled to the given peak, with a short fade at both ends so
    // the sound neither starts nor stops with a click.
    [[nodiscard]] std::vector<double> finish(double peak) const;

private:
    void add(long index, double value);

    int m_rate;
    std::vector<double> m_mix;
    std::uint64_t m_state;
};
