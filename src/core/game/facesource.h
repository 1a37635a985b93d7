// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <optional>

// Where new die faces come from: the game's own generator in play, a
// scripted sequence in tests.
class FaceSource {
public:
    virtual ~FaceSource() = default;
    virtual int32_t nextFace() = 0; // 1 to 6
    // The whole state behind the faces still to come, for a source that can
    // be saved and put back so the same faces follow; none otherwise.
    [[nodiscard]] virtual std::optional<uint32_t> savedState() const { return std::nullopt; }
    virtual void restoreState(uint32_t /*state*/) {}
};

// The game's generator: a 32-bit linear congruential seed; a face is the
// upper half of seed × 6, plus one.
class DiceGenerator final : public FaceSource {
public:
    explicit DiceGenerator(uint32_t seed = 0) : m_seed(seed) {}

    void setSeed(uint32_t seed) { m_seed = seed; }
    [[nodiscard]] uint32_t seed() const { return m_seed; }
    int32_t nextFace() override;
    [[nodiscard]] std::optional<uint32_t> savedState() const override { return m_seed; }
    void restoreState(uint32_t state) override { m_seed = state; }

    // Milliseconds of the current UTC time of day, the seed taken at start-up.
    static uint32_t clockSeed();

private:
    uint32_t m_seed;
};
