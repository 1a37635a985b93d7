// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The player's local record: a 9 × 12 grid of text cells. Row 0 holds the
// statistics (columns 1 to 4), rows 1 to 10 the ten best games (date, score,
// name), best first. The grid is what the tally file stores; the window only
// mirrors it.
class TallyTable {
public:
    static constexpr int kColumns = 9;
    static constexpr int kRows = 12;
    static constexpr int kPlaces = 10;
    static constexpr int32_t kEmptyScore = -1000; // a place scoring this or lower is empty

    // Columns of the place rows.
    static constexpr int kDateColumn = 0;
    static constexpr int kScoreColumn = 1;
    static constexpr int kNameColumn = 2;

    // Limits on a text table read from disk: anything larger is damage, not data.
    static constexpr std::size_t kMaxTextBytes = 64 * 1024;
    static constexpr std::size_t kMaxLineBytes = 1024;

    // A text table that cannot be read; the message says what is wrong.
    class ParseError : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // How the labels of one place look.
    struct PlaceLook {
        bool bold;
        bool white;
    };

    TallyTable(); // the empty tally of a first start

    [[nodiscard]] const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    // The text layout of the tally file: CR LF lines, the column count, the
    // row count, then every cell column by column.
    [[nodiscard]] std::string toText() const;
    static TallyTable fromText(std::string_view text); // throws ParseError

    // Reports from the game.
    int32_t incrementCell(int column, int row); // returns the new value
    // Adds n to a statistic as n counts by increment would.
    void addCount(int column, int64_t n);
    void increment(int column);
    void addTo(int column, int32_t amount);
    void keepHighest(int column, int32_t value);
    // Enters a finished game into the ten best when it qualifies; `date` is
    // the caller's local short date. True when entered.
    bool enterGame(int32_t score, const std::string& name, const std::string& date);
    void reset();

    // What the window shows.
    [[nodiscard]] const std::string& statistic(int column) const { return cell(column, 0); }
    [[nodiscard]] int32_t placeScore(int place) const; // the label's tag
    [[nodiscard]] std::string placeScoreText(int place) const;
    [[nodiscard]] const std::string& placeDate(int place) const { return cell(kDateColumn, place); }
    [[nodiscard]] const std::string& placeName(int place) const { return cell(kNameColumn, place); }
    [[nodiscard]] PlaceLook placeLook(int place) const;

    // Strict decimal integer of a cell, as the statistics and scores use.
    static std::optional<int32_t> toInt(std::string_view text);

private:
    void normaliseScores();
    void movePlace(int from, int to);

    std::array<std::array<std::string, kRows>, kColumns> m_cells;
    // Labels start bold and black; the first entry after start-up turns them
    // normal and highlights only the latest entry.
    bool m_startupLook = true;
    int m_latest = 0; // 0: no highlighted place
};
