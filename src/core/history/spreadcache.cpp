// SPDX-License-Identifier: MIT
#include "core/history/spreadcache.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

constexpr const char* kHeader = "pelbixsolo perfect-play spread 1";
// Far above any spread a solver makes (its cap over the score step, times
// the rounds), so a damaged count cannot make the reader reserve much.
constexpr std::size_t kMostShares = 100000;
// The shares add up to 1 up to the solver's cap and rounding.
constexpr double kSumSlack = 1e-6;
// A file read whole never needs more than this.
constexpr std::streamoff kLargestFile = 4 << 20;

// A number written exactly (hexadecimal, whatever the locale) and read
// back bit for bit.
std::string exact(double v)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, v, std::chars_format::hex);
    return error == std::errc() ? std::string(text, end) : std::string();
}

// The whole of word as a finite number.
std::optional<double> number(const std::string& word)
{
    double v = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, v, std::chars_format::hex);
    if (word.empty() || error != std::errc() || stop != end || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

std::string spreadCacheText(const std::vector<double>& spread, double key)
{
    std::string text = std::string(kHeader) + "\nkey " + exact(key) + "\nshares " + std::to_string(spread.size()) + "\n";
    for (const double share : spread)
        text += exact(share) + "\n";
    return text;
}

std::optional<std::vector<double>> readSpreadCache(const std::string& text, double key)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return std::nullopt;
    if (!std::getline(in, line) || line.rfind("key ", 0) != 0)
        return std::nullopt;
    const std::optional<double> made = number(line.substr(4));
    if (!made || exact(*made) != exact(key))
        return std::nullopt;
    if (!std::getline(in, line) || line.rfind("shares ", 0) != 0)
        return std::nullopt;
    const std::string count = line.substr(7);
    if (count.empty() || count.size() > 6 || count.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const std::size_t shares = std::stoul(count);
    if (shares == 0 || shares > kMostShares)
        return std::nullopt;
    std::vector<double> spread;
    spread.reserve(shares);
    double sum = 0;
    while (std::getline(in, line)) {
        const std::optional<double> share = number(line);
        if (!share || *share < 0 || *share > 1 || spread.size() == shares)
            return std::nullopt;
        spread.push_back(*share);
        sum += *share;
    }
    // Every line ends with a newline: a file cut short is no spread.
    if (spread.size() != shares || text.back() != '\n' || std::abs(sum - 1) > kSumSlack)
        return std::nullopt;
    return spread;
}

std::optional<std::vector<double>> loadSpreadCache(const std::string& path, double key)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string text;
    char block[8192];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
        text.append(block, static_cast<std::size_t>(file.gcount()));
        if (static_cast<std::streamoff>(text.size()) > kLargestFile)
            return std::nullopt;
    }
    return readSpreadCache(text, key);
}

bool saveSpreadCache(const std::string& path, const std::vector<double>& spread, double key)
{
    const std::string temporary = path + ".new" + std::to_string(::getpid());
    // A new file of our own: never through a link left at the temporary
    // name, which would have the write land on whatever it points to.
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const std::string text = spreadCacheText(spread, key);
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    const bool whole = written == text.size();
    if (::close(fd) != 0 || !whole || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
