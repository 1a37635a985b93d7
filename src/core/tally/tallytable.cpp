// SPDX-License-Identifier: MIT
#include "core/tally/tallytable.h"

#include "core/tally/tallystat.h"

#include <charconv>
#include <limits>

#include "core/settings/textencoding.h"

namespace {

std::string decimal(int64_t v) { return std::to_string(v); }

// Statistics are 32-bit; a sum past the range sticks at the limit instead of
// turning negative.
int32_t saturate(int64_t v)
{
    if (v > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

} // namespace

TallyTable::TallyTable()
{
    for (int c = 0; c < kColumns; ++c)
        m_cells[static_cast<std::size_t>(c)][0] = "0";
    for (int row = 1; row <= kPlaces; ++row)
        m_cells[kScoreColumn][static_cast<std::size_t>(row)] = decimal(kEmptyScore);
}

const std::string& TallyTable::cell(int column, int row) const
{
    return m_cells.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
}

void TallyTable::setCell(int column, int row, std::string text)
{
    m_cells.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row)) = std::move(text);
}

std::optional<int32_t> TallyTable::toInt(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::string TallyTable::toText() const
{
    std::string out = decimal(kColumns) + "\r\n" + decimal(kRows) + "\r\n";
    for (const auto& column : m_cells)
        for (const std::string& text : column)
            out += text + "\r\n";
    return out;
}

TallyTable TallyTable::fromText(std::string_view text)
{
    if (text.size() > kMaxTextBytes)
        throw ParseError("tally table larger than " + decimal(kMaxTextBytes) + " bytes");

    std::size_t pos = 0;
    int lineNo = 0;
    const auto nextLine = [&]() -> std::string_view {
        ++lineNo;
        if (pos >= text.size())
            throw ParseError("tally table ends before line " + decimal(lineNo));
        std::size_t end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() > kMaxLineBytes)
            throw ParseError("tally table line " + decimal(lineNo) + " is too long");
        return line;
    };
    // A count line holds a number; whatever follows it on the line is skipped.
    const auto countLine = [&](int expected, const char* what) {
        std::string_view line = nextLine();
        std::size_t digits = 0;
        while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
            ++digits;
        const auto n = toInt(line.substr(0, digits));
        if (!n || *n != expected)
            throw ParseError(std::string("tally table has an unexpected ") + what + " count");
    };

    countLine(kColumns, "column");
    countLine(kRows, "row");
    TallyTable table;
    for (int c = 0; c < kColumns; ++c)
        for (int row = 0; row < kRows; ++row)
            table.setCell(c, row, textencoding::toUtf8(nextLine())); // older files: the Windows code page
    table.normaliseScores();
    return table;
}

void TallyTable::normaliseScores()
{
    for (int place = 1; place <= kPlaces; ++place)
        if (cell(kScoreColumn, place).empty())
            setCell(kScoreColumn, place, decimal(kEmptyScore));
}

int32_t TallyTable::placeScore(int place) const
{
    return toInt(cell(kScoreColumn, place)).value_or(kEmptyScore);
}

std::string TallyTable::placeScoreText(int place) const
{
    return placeScore(place) <= kEmptyScore ? std::string() : cell(kScoreColumn, place);
}

TallyTable::PlaceLook TallyTable::placeLook(int place) const
{
    if (m_startupLook)
        return {true, false};
    const bool latest = place == m_latest;
    return {latest, latest};
}

int32_t TallyTable::incrementCell(int column, int row)
{
    // A cell that is not a number counts from 0 rather than failing the game's click.
    const int32_t value = saturate(int64_t{toInt(cell(column, row)).value_or(0)} + 1);
    setCell(column, row, decimal(value));
    return value;
}

void TallyTable::increment(int column) { incrementCell(column, 0); }

void TallyTable::addCount(int column, int64_t n)
{
    setCell(column, 0, decimal(saturate(int64_t{toInt(cell(column, 0)).value_or(0)} + n)));
}

void TallyTable::addTo(int column, int32_t amount)
{
    if (cell(column, 0).empty())
        setCell(column, 0, "0");
    const auto current = toInt(cell(column, 0));
    if (!current)
        return;
    const int32_t total = saturate(int64_t{*current} + amount);
    setCell(column, 0, decimal(total));
    const auto games = toInt(cell(tallystat::kTotalGames, 0));
    if (!games || *games == 0)
        return;
    setCell(tallystat::kAverage, 0, decimal(int64_t{total} / *games)); // C++ division truncates toward zero
}

void TallyTable::keepHighest(int column, int32_t value)
{
    const auto current = toInt(cell(column, 0));
    if (current && value > *current)
        setCell(column, 0, decimal(value));
}

void TallyTable::movePlace(int from, int to)
{
    for (int c : {kDateColumn, kScoreColumn, kNameColumn})
        setCell(c, to, cell(c, from));
}

bool TallyTable::enterGame(int32_t score, const std::string& name, const std::string& date)
{
    m_startupLook = false;
    m_latest = 0;
    int found = 0;
    for (int place = 1; place <= kPlaces && found == 0; ++place)
        if (placeScore(place) <= score)
            found = place;
    if (found == 0)
        return false;
    for (int place = kPlaces - 1; place >= found; --place)
        movePlace(place, place + 1);
    setCell(kDateColumn, found, date);
    setCell(kScoreColumn, found, decimal(score));
    setCell(kNameColumn, found, name);
    m_latest = found;
    return true;
}

void TallyTable::reset()
{
    for (int c = 1; c < kColumns; ++c)
        setCell(c, 0, "0");
    for (int row = 1; row < kRows; ++row) {
        setCell(kDateColumn, row, "");
        setCell(kScoreColumn, row, decimal(kEmptyScore));
        setCell(kNameColumn, row, "");
    }
    m_startupLook = false;
    m_latest = 0;
}
