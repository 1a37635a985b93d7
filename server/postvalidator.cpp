// SPDX-License-Identifier: MIT
#include "server/postvalidator.h"

#include <ctime>
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
    if (characters > wire::kMaxNameCharacters)
        return "the name is longer than " + std::to_string(wire::kMaxNameCharacters) + " characters";
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
std::optional<std::chrono::year_month_day> readGameDate(std::string_view date)
{
    std::size_t pos = 0;
    const int month = readNumber(date, pos);
    if (month < 0 || pos >= date.size())
        return std::nullopt;
    const std::size_t separatorStart = pos;
    if (!isDateSeparator(nextCodePoint(date, pos)))
        return std::nullopt;
    const std::string_view separator = date.substr(separatorStart, pos - separatorStart);
    const int day = readNumber(date, pos);
    if (day < 0 || date.substr(pos, separator.size()) != separator)
        return std::nullopt;
    pos += separator.size();
    const std::size_t yearStart = pos;
    const int year = readNumber(date, pos) + kCenturyOfTwoDigitYears;
    if (pos - yearStart != 2 || pos != date.size())
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year))
        return std::nullopt;
    return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}};
}

// The game writes a score as plain decimal digits; anything else (a sign,
// leading zeros, a score off the game's 50-point grid or past what play can
// reach) did not come from a game.
std::string scoreProblem(const std::string& text, int& score)
{
    if (text.size() > kMaxScoreDigits)
        return "the score has more than " + std::to_string(kMaxScoreDigits) + " digits";
    long long value = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return "the score is not a whole number written with digits only";
        value = value * 10 + (c - '0');
    }
    if (text.size() > 1 && text.front() == '0')
        return "the score has leading zeros";
    if (value % kScoreStep != 0)
        return "the score is not a multiple of " + std::to_string(kScoreStep);
    if (value > kMaxScore)
        return "the score is higher than " + std::to_string(kMaxScore) + ", more than a game can make";
    score = static_cast<int>(value);
    return {};
}

PostCheck refuse(std::string field, std::string problem)
{
    return {std::nullopt, std::move(field), std::move(problem)};
}
} // namespace

PostCheck checkPost(const std::vector<QueryParam>& params, std::chrono::year_month_day today)
{
    const std::string* name = findParam(params, wire::kNameKey);
    const std::string* date = findParam(params, wire::kDateKey);
    const std::string* score = findParam(params, wire::kScoreKey);
    for (const auto& [key, value] : {std::pair{wire::kNameKey, name}, std::pair{wire::kDateKey, date},
                                     std::pair{wire::kScoreKey, score}}) {
        const std::string field(key);
        std::string problem = presenceProblem(value, field);
        if (!problem.empty())
            return refuse(field, std::move(problem));
    }

    ScoreEntry entry{*name, *date, 0};
    if (std::string problem = nameProblem(entry.name); !problem.empty())
        return refuse("name", std::move(problem));
    makeUtf8(entry.date);
    const auto played = readGameDate(entry.date);
    if (!played)
        return refuse("date", "the date is not a real month/day/two-digit-year date such as 3/7/26");
    if (std::chrono::sys_days{*played} > std::chrono::sys_days{today} + std::chrono::days{1})
        return refuse("date", "the date is in the future");
    if (std::string problem = scoreProblem(*score, entry.score); !problem.empty())
        return refuse("score", std::move(problem));
    return {std::move(entry), {}, {}};
}

PostCheck checkPost(const std::vector<QueryParam>& params)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return checkPost(params, std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                                         std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                                         std::chrono::day{static_cast<unsigned>(local.tm_mday)}});
}
