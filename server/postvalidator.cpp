// SPDX-License-Identifier: MIT
#include "server/postvalidator.h"

#include <utility>

#include "server/textclass.h"
#include "server/utf8text.h"

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
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

// Older clients send their ANSI code page; bytes that are not UTF-8 are
// read as Latin-1, so what is stored is always UTF-8.
void makeUtf8(std::string& text)
{
    if (!isValidUtf8(text))
        text = latin1ToUtf8(text);
}

std::string nameProblem(std::string& name)
{
    makeUtf8(name);
    std::size_t pos = 0;
    int characters = 0;
    bool visible = false;
    while (pos < name.size()) {
        const char32_t c = nextCodePoint(name, pos);
        // Format characters include the overrides that would turn the rest
        // of the list page around, and the zero-width ones that make two
        // names look alike.
        if (isControlCharacter(c) || isFormatCharacter(c))
            return "the name contains control or format characters";
        visible = visible || isVisibleCharacter(c);
        ++characters;
    }
    if (characters > kMaxNameCharacters)
        return "the name is longer than " + std::to_string(kMaxNameCharacters) + " characters";
    if (!visible)
        return "the name has no visible character";
    return {};
}

// One or two ASCII digits starting at pos; -1 when there are none.
int readNumber(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < 2 && isDigit(text[pos]))
        value = value * 10 + (text[pos++] - '0');
    return pos > start ? value : -1;
}

// The player's regional date separator: any one character that cannot be
// mistaken for part of a number, hide itself or carry markup. The direction
// marks are format characters, but right-to-left locales put them there.
bool isDateSeparator(char32_t c)
{
    if (isDirectionMark(c))
        return true;
    if (c == '<' || c == '>' || c == '&' || c == '"' || c == '\'')
        return false;
    return c != kInvalidCodePoint && !isControlCharacter(c) && !isFormatCharacter(c) && !isSpaceCharacter(c) &&
           !isLetterOrDigit(c);
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// The game's "m/d/yy" date with one separator used twice; a real calendar
// date, the two-digit year taken as 20yy.
bool isGameDate(std::string_view date)
{
    std::size_t pos = 0;
    const int month = readNumber(date, pos);
    if (month < 0 || pos >= date.size())
        return false;
    const std::size_t separatorStart = pos;
    if (!isDateSeparator(nextCodePoint(date, pos)))
        return false;
    const std::string_view separator = date.substr(separatorStart, pos - separatorStart);
    const int day = readNumber(date, pos);
    if (day < 0 || date.substr(pos, separator.size()) != separator)
        return false;
    pos += separator.size();
    const std::size_t yearStart = pos;
    const int year = readNumber(date, pos);
    if (year < 0 || pos - yearStart != 2 || pos != date.size())
        return false;
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(month, kCenturyOfTwoDigitYears + year);
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
    makeUtf8(entry.date);
    if (!isGameDate(entry.date))
        return refuse("date", "the date is not a real month/day/two-digit-year date such as 3/7/26");
    if (!readScore(*score, entry.score))
        return refuse("score", "the score is not a whole number from 0 to " + std::to_string(kMaxScore));
    return {std::move(entry), {}, {}};
}
