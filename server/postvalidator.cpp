#include "server/postvalidator.h"

#include <utility>

#include "server/utf8text.h"

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// The problem with a required field's raw presence and size, or empty.
std::string presenceProblem(const std::string* value, const std::string& field)
{
    if (value == nullptr)
        return "the " + field + " is missing";
    if (value->empty())
        return "the " + field + " is empty";
    if (value->size() > kMaxFieldBytes)
        return "the " + field + " is too long";
    return {};
}

std::string nameProblem(std::string& name)
{
    if (!isValidUtf8(name))
        name = latin1ToUtf8(name);
    std::size_t pos = 0;
    int characters = 0;
    while (pos < name.size()) {
        if (isControl(nextCodePoint(name, pos)))
            return "the name contains control characters";
        ++characters;
    }
    if (characters > kMaxNameCharacters)
        return "the name is longer than " + std::to_string(kMaxNameCharacters) + " characters";
    return {};
}

// Reads one or two digits starting at pos into value; false when none.
bool readNumber(const std::string& text, std::size_t& pos, std::size_t maxDigits, int& value)
{
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && pos - start < maxDigits && isDigit(text[pos]))
        value = value * 10 + (text[pos++] - '0');
    return pos > start;
}

// Month, day and two-digit year as the game's "m/d/yy" pattern gives them,
// with any one punctuation character (the player's regional separator).
bool isGameDate(const std::string& date)
{
    std::size_t pos = 0;
    int month = 0, day = 0, year = 0;
    if (!readNumber(date, pos, 2, month) || pos >= date.size())
        return false;
    const char separator = date[pos++];
    const auto sep = static_cast<unsigned char>(separator);
    if (sep < 0x20 || sep >= 0x7F || isDigit(separator) || isLetter(separator))
        return false;
    if (!readNumber(date, pos, 2, day) || pos >= date.size() || date[pos++] != separator)
        return false;
    const std::size_t yearStart = pos;
    if (!readNumber(date, pos, 2, year) || pos - yearStart != 2 || pos != date.size())
        return false;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool readScore(const std::string& text, int& score)
{
    long long value = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return false;
        value = value * 10 + (c - '0');
        if (value > kMaxScore)
            return false;
    }
    score = static_cast<int>(value);
    return true;
}

PostCheck refuse(std::string field, std::string problem)
{
    return {std::nullopt, std::move(field), std::move(problem)};
}
} // namespace

PostCheck checkPost(const std::vector<QueryParam>& params)
{
    const std::string* name = findParam(params, "name");
    const std::string* date = findParam(params, "date");
    const std::string* score = findParam(params, "score");
    for (const auto& [field, value] : {std::pair{"name", name}, std::pair{"date", date}, std::pair{"score", score}}) {
        std::string problem = presenceProblem(value, field);
        if (!problem.empty())
            return refuse(field, std::move(problem));
    }

    ScoreEntry entry{*name, *date, 0};
    if (std::string problem = nameProblem(entry.name); !problem.empty())
        return refuse("name", std::move(problem));
    if (!isGameDate(entry.date))
        return refuse("date", "the date is not a month/day/two-digit-year date such as 3/7/26");
    if (!readScore(*score, entry.score))
        return refuse("score", "the score is not a whole number from 0 to " + std::to_string(kMaxScore));
    return {std::move(entry), {}, {}};
}
