// SPDX-License-Identifier: MIT
#include "core/game/savedgame.h"

#include <vector>

namespace {

constexpr std::string_view kHeader = "pelbixsolo saved game 1";

constexpr const char* kBad = QT_TRANSLATE_NOOP("SavedGame", "saved game: bad %1");
constexpr const char* kOutOfRange = QT_TRANSLATE_NOOP("SavedGame", "saved game: %1 out of range");
constexpr const char* kMissing = QT_TRANSLATE_NOOP("SavedGame", "saved game: missing %1");
constexpr const char* kExpected = QT_TRANSLATE_NOOP("SavedGame", "saved game: expected %1");
constexpr const char* kWrong = QT_TRANSLATE_NOOP("SavedGame", "saved game: %1");

PlayerText said(const char* pattern, std::string arg = {})
{
    return PlayerText("SavedGame", pattern, {std::move(arg)});
}

char letterOf(DieStatus status)
{
    switch (status) {
    case DieStatus::InPlay: return 'u';
    case DieStatus::Selected:
    case DieStatus::Previewed: return 's'; // a preview only lasts while one evaluation runs
    case DieStatus::SetAside: return 'p';
    case DieStatus::Frozen: return 'f';
    }
    return 'f';
}

DieStatus statusOf(char letter)
{
    switch (letter) {
    case 'u': return DieStatus::InPlay;
    case 's': return DieStatus::Selected;
    case 'p': return DieStatus::SetAside;
    case 'f': return DieStatus::Frozen;
    default: throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: unknown die status")));
    }
}

std::string slotText(int32_t slot)
{
    if (slot == kSlotEmpty)
        return "-";
    if (slot == kSlotLost)
        return "---";
    return std::to_string(slot);
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos)
            return parts;
        from = at + 1;
    }
}

// Plain decimal digits only: no sign, no blanks, no leading zeros, at most max.
uint32_t number(std::string_view digits, uint32_t max, const char* what)
{
    const bool leadingZero = digits.size() > 1 && digits[0] == '0';
    if (digits.empty() || digits.size() > 10 || leadingZero)
        throw SavedGameError(said(kBad, what).markArgument(0));
    uint64_t n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            throw SavedGameError(said(kBad, what).markArgument(0));
        n = n * 10 + static_cast<uint64_t>(c - '0');
    }
    if (n > max)
        throw SavedGameError(said(kOutOfRange, what).markArgument(0));
    return static_cast<uint32_t>(n);
}

bool flag(std::string_view digits, const char* what) { return number(digits, 1, what) == 1; }

int32_t points(std::string_view digits, const char* what)
{
    return static_cast<int32_t>(number(digits, kMaxSavedPoints, what));
}

// The lines in their fixed order; each must carry its own key.
class Lines {
public:
    explicit Lines(std::string_view text) : m_lines(split(text, '\n'))
    {
        if (m_lines.size() < 2 || !m_lines.back().empty())
            throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: not a complete file")));
        m_lines.pop_back();
    }
    std::string_view next(std::string_view key)
    {
        if (m_next >= m_lines.size())
            throw SavedGameError(said(kMissing, std::string(key))); // a word of the file: never translated
        const std::string_view line = m_lines[m_next++];
        if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
            throw SavedGameError(said(kExpected, std::string(key)));
        return line.substr(key.size() + 1);
    }
    [[nodiscard]] std::string_view header() { return m_lines[m_next++]; }
    [[nodiscard]] bool done() const { return m_next == m_lines.size(); }

private:
    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

constexpr std::string_view kTimeShape = "dddd-dd-ddTdd:dd:ddZ";

std::string playStarted(std::string_view text)
{
    if (text.size() != kTimeShape.size())
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: bad start time")));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kTimeShape[i] == 'd' ? !digit : text[i] != kTimeShape[i])
            throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: bad start time")));
    }
    return std::string(text);
}

std::vector<int> playFaces(std::string_view text)
{
    if (text.size() > kMaxSavedFaces)
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: too many faces")));
    std::vector<int> faces;
    faces.reserve(text.size());
    for (const char c : text) {
        if (c < '1' || c > '6')
            throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: bad face")));
        faces.push_back(c - '0');
    }
    return faces;
}

// "r" or "b", "h" when hinted, then the chosen dice in rising order.
SavedDecision playDecision(std::string_view token)
{
    SavedDecision d;
    if (token.empty() || (token[0] != 'r' && token[0] != 'b'))
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: bad decision")));
    d.move = token[0] == 'r' ? PlayerMove::Roll : PlayerMove::Bank;
    token.remove_prefix(1);
    if (!token.empty() && token[0] == 'h') {
        d.hinted = true;
        token.remove_prefix(1);
    }
    int last = 0;
    for (const char c : token) {
        if (c < '1' || c > '6' || c - '0' <= last)
            throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: bad dice in a decision")));
        last = c - '0';
        d.chosen = static_cast<uint8_t>(d.chosen | (1U << (last - 1)));
    }
    return d;
}

std::string decisionText(const SavedDecision& d)
{
    std::string out(1, d.move == PlayerMove::Roll ? 'r' : 'b');
    if (d.hinted)
        out += 'h';
    for (int die = 1; die <= kDice; ++die)
        if (d.chosen & (1U << (die - 1)))
            out += static_cast<char>('0' + die);
    return out;
}

SavedPlay readPlay(Lines& lines)
{
    SavedPlay play;
    play.started = playStarted(lines.next("started"));
    play.faces = playFaces(lines.next("faces"));
    const std::string_view decisions = lines.next("decisions");
    if (!decisions.empty()) {
        const auto tokens = split(decisions, ' ');
        if (tokens.size() > kMaxSavedDecisions)
            throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: too many decisions")));
        for (const std::string_view token : tokens)
            play.decisions.push_back(playDecision(token));
    }
    return play;
}

bool playFits(const SavedPlay& play)
{
    if (play.faces.size() > kMaxSavedFaces || play.decisions.size() > kMaxSavedDecisions)
        return false;
    try {
        (void)playStarted(play.started);
    } catch (const SavedGameError&) {
        return false;
    }
    for (const int f : play.faces)
        if (f < 1 || f > 6)
            return false;
    return true;
}

void checkFits(const SavedGame& game)
{
    const GameState& s = game.state;
    const auto fail = [](const char* what) { throw SavedGameError(said(kWrong, what).markArgument(0)); };
    int32_t banked = 0;
    bool anyBank = false;
    for (int round = 1; round <= kRounds; ++round) {
        const int32_t slot = game.card[static_cast<std::size_t>(round - 1)];
        const bool finished = round < s.round || (round == s.round && game.paused);
        if (finished == (slot == kSlotEmpty))
            fail(QT_TRANSLATE_NOOP("SavedGame", "score card does not match the round"));
        if (slot >= 0) {
            if (!anyBank && slot < kOnBoard)
                fail(QT_TRANSLATE_NOOP("SavedGame", "first bank below the minimum"));
            anyBank = true;
            banked += slot;
        }
    }
    if (banked != s.gameTotal)
        fail(QT_TRANSLATE_NOOP("SavedGame", "game total does not match the score card"));
    if (anyBank != s.onBoard)
        fail(QT_TRANSLATE_NOOP("SavedGame", "on-board mark does not match the score card"));
    if (game.paused && (s.roundTotal != 0 || !s.firstRoll))
        fail(QT_TRANSLATE_NOOP("SavedGame", "paused with a round under way"));
    if (s.firstRoll && s.roundTotal != 0)
        fail(QT_TRANSLATE_NOOP("SavedGame", "points before the first roll"));
    for (const Die& d : s.dice) {
        const bool unrolled = s.firstRoll || game.paused;
        if (unrolled != (d.status == DieStatus::Frozen))
            fail(QT_TRANSLATE_NOOP("SavedGame", "die status does not match the round"));
        if ((d.value == 0) != s.firstRoll)
            fail(QT_TRANSLATE_NOOP("SavedGame", "die face does not match the round"));
    }
}

} // namespace

std::string writeSavedGame(const SavedGame& game)
{
    const GameState& s = game.state;
    std::string out(kHeader);
    out += "\ngenerator " + std::to_string(game.faceState);
    out += "\nround " + std::to_string(s.round);
    out += "\ntotal " + std::to_string(s.gameTotal);
    out += "\nroundtotal " + std::to_string(s.roundTotal);
    out += "\nonboard " + std::to_string(s.onBoard ? 1 : 0);
    out += "\nfirstroll " + std::to_string(s.firstRoll ? 1 : 0);
    out += "\npaused " + std::to_string(game.paused ? 1 : 0);
    out += "\ndice";
    for (const Die& d : s.dice)
        out += " " + std::to_string(d.value) + letterOf(d.status);
    out += "\ncard";
    for (const int32_t slot : game.card)
        out += " " + slotText(slot);
    // A play the reader would refuse is left out rather than losing the game.
    if (game.play && playFits(*game.play)) {
        out += "\nstarted " + game.play->started;
        out += "\nfaces ";
        for (const int f : game.play->faces)
            out += static_cast<char>('0' + f);
        out += "\ndecisions";
        for (const SavedDecision& d : game.play->decisions)
            out += " " + decisionText(d);
        if (game.play->decisions.empty())
            out += " ";
    }
    out += "\n";
    return out;
}

SavedGame readSavedGame(std::string_view text)
{
    if (text.size() > kMaxSavedGameBytes)
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: file too long")));
    Lines lines(text);
    if (lines.header() != kHeader)
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: not a saved game of this version")));
    SavedGame game;
    GameState& s = game.state;
    game.faceState = number(lines.next("generator"), UINT32_MAX, QT_TRANSLATE_NOOP("SavedGame", "generator state"));
    s.round = static_cast<int32_t>(number(lines.next("round"), kRounds, QT_TRANSLATE_NOOP("SavedGame", "round")));
    if (s.round < 1)
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: round out of range")));
    s.gameTotal = points(lines.next("total"), QT_TRANSLATE_NOOP("SavedGame", "total"));
    s.roundTotal = points(lines.next("roundtotal"), QT_TRANSLATE_NOOP("SavedGame", "round total"));
    s.onBoard = flag(lines.next("onboard"), QT_TRANSLATE_NOOP("SavedGame", "on-board mark"));
    s.firstRoll = flag(lines.next("firstroll"), QT_TRANSLATE_NOOP("SavedGame", "first-roll mark"));
    game.paused = flag(lines.next("paused"), QT_TRANSLATE_NOOP("SavedGame", "pause mark"));
    s.canPlay = !game.paused;

    const auto dice = split(lines.next("dice"), ' ');
    if (dice.size() != kDice)
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: not six dice")));
    for (std::size_t i = 0; i < dice.size(); ++i) {
        if (dice[i].size() != 2)
            throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: bad die")));
        s.dice[i].value = static_cast<int32_t>(number(dice[i].substr(0, 1), 6, QT_TRANSLATE_NOOP("SavedGame", "die face")));
        s.dice[i].status = statusOf(dice[i][1]);
    }
    const auto card = split(lines.next("card"), ' ');
    if (card.size() != kRounds)
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: not ten rounds on the card")));
    for (std::size_t i = 0; i < card.size(); ++i) {
        if (card[i] == "-")
            game.card[i] = kSlotEmpty;
        else if (card[i] == "---")
            game.card[i] = kSlotLost;
        else
            game.card[i] = points(card[i], QT_TRANSLATE_NOOP("SavedGame", "round score"));
    }
    if (!lines.done())
        game.play = readPlay(lines);
    if (!lines.done())
        throw SavedGameError(said(QT_TRANSLATE_NOOP("SavedGame", "saved game: unexpected lines at the end")));
    checkFits(game);
    return game;
}
