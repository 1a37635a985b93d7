// SPDX-License-Identifier: MIT
#include "core/history/historycsv.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace {

constexpr int kColumns = 11;

bool formulaLead(char c) { return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r'; }

// True when the text is a run of apostrophes then a formula's first character.
bool looksLikeFormula(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size() && s[i] == '\'')
        ++i;
    return i < s.size() && formulaLead(s[i]);
}

std::string quoted(const std::string& raw)
{
    const std::string s = looksLikeFormula(raw) ? "'" + raw : raw;
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string out = "\"";
    for (const char c : s)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string number(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

// Splits one record from text at pos; false on a broken quote.
bool readRecord(const std::string& text, std::size_t& pos, std::vector<std::string>& fields)
{
    fields.assign(1, {});
    bool quotedField = false;
    bool wasQuoted = false;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (quotedField) {
            if (c == '"') {
                if (pos < text.size() && text[pos] == '"') {
                    fields.back() += '"';
                    ++pos;
                } else {
                    quotedField = false;
                }
            } else {
                fields.back() += c;
            }
        } else if (c == '"' && fields.back().empty() && !wasQuoted) {
            quotedField = wasQuoted = true;
        } else if (c == ',') {
            fields.emplace_back();
            wasQuoted = false;
        } else if (c == '\n') {
            return true;
        } else if (c == '\r' && pos < text.size() && text[pos] == '\n') {
            ++pos;
            return true;
        } else if (wasQuoted) {
            return false; // text after a closing quote
        } else {
            fields.back() += c;
        }
    }
    return !quotedField;
}

template <typename T>
bool parse(const std::string& s, T& out)
{
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

std::optional<double> real(const std::string& s)
{
    if (s.empty())
        return std::nullopt;
    double v = 0;
    if (!parse(s, v))
        throw 0;
    return v;
}

} // namespace

std::string historyCsvHeader() { return "id,started,finished,name,score,rounds,abandoned,hints,expected,given_away,luck\n"; }

std::string historyCsvRow(const HistoryGame& g)
{
    std::string row = std::to_string(g.id) + "," + quoted(g.started) + "," + quoted(g.finished) + "," +
                      quoted(g.name) + "," + std::to_string(g.score) + "," + std::to_string(g.rounds) + "," +
                      (g.abandoned ? "1" : "0") + "," + std::to_string(g.hints) + ",";
    if (g.skill)
        row += number(g.skill->expected) + "," + number(g.skill->givenAway) + "," + number(g.skill->luck);
    else
        row += ",,";
    return row + "\n";
}

std::string historyCsv(const std::vector<HistoryGame>& games)
{
    std::string out = historyCsvHeader();
    for (const HistoryGame& g : games)
        out += historyCsvRow(g);
    return out;
}

bool readHistoryCsv(const std::string& text, std::vector<HistoryGame>& games, std::string& problem)
{
    games.clear();
    std::size_t pos = 0;
    std::vector<std::string> f;
    std::string header;
    if (readRecord(text, pos, f))
        for (const std::string& name : f)
            header += (header.empty() ? "" : ",") + name;
    if (f.size() != kColumns || header + "\n" != historyCsvHeader()) {
        problem = "line 1: not a game history";
        return false;
    }
    for (int line = 2; pos < text.size(); ++line) {
        if (!readRecord(text, pos, f) || f.size() != kColumns) {
            problem = "line " + std::to_string(line) + ": expected " + std::to_string(kColumns) + " fields";
            return false;
        }
        HistoryGame g;
        try {
            int abandoned = 0;
            if (!parse(f[0], g.id) || !parse(f[4], g.score) || !parse(f[5], g.rounds) || !parse(f[6], abandoned) ||
                abandoned < 0 || abandoned > 1 || !parse(f[7], g.hints))
                throw 0;
            g.abandoned = abandoned == 1;
            g.started = f[1];
            g.finished = f[2];
            g.name = f[3];
            if (!g.name.empty() && g.name[0] == '\'' && looksLikeFormula(g.name))
                g.name.erase(0, 1);
            const auto e = real(f[8]), a = real(f[9]), l = real(f[10]);
            if (e.has_value() != a.has_value() || e.has_value() != l.has_value())
                throw 0;
            if (e)
                g.skill = HistorySkill{*e, *a, *l};
        } catch (int) {
            problem = "line " + std::to_string(line) + ": a field is not what it should be";
            return false;
        }
        games.push_back(std::move(g));
    }
    return true;
}
