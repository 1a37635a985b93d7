// SPDX-License-Identifier: MIT
#include "core/settings/settings.h"

#include "core/settings/privateprofile.h"

#include <limits>

namespace {
int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

std::string text(std::int32_t value) { return std::to_string(value); }
} // namespace

std::int32_t Settings::parseInt(std::string_view s, std::int32_t fallback)
{
    int base = 10;
    bool negative = false;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    } else if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return fallback;
    // Accumulated in 64 bits; past the 32-bit range the value cannot be one.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (const char c : s) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return fallback;
        value = value * base + digit;
        if (value > kLimit)
            return fallback;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return fallback;
    return static_cast<std::int32_t>(value);
}

Settings Settings::load(const std::filesystem::path& path, std::string_view section, std::int32_t defaultWidth,
                        std::int32_t defaultHeight)
{
    const auto read = [&](std::string_view key, std::string_view fallback) {
        return PrivateProfile::getString(section, key, fallback, path);
    };
    const auto readInt = [&](std::string_view key, std::int32_t fallback) {
        return parseInt(read(key, text(fallback)), fallback);
    };
    Settings s;
    s.top = readInt("Top", kDefaultTop);
    s.left = readInt("Left", kDefaultLeft);
    s.width = readInt("Width", defaultWidth);
    s.height = readInt("Height", defaultHeight);
    s.sounds = read("Sounds", "yes") != "no";
    s.update = read("Update", "true") != "false";
    s.name = read("Name", kDefaultName);
    s.server = ServerAddress::parse(read("Server", ""));
    if (const std::string look = read("HighContrast", ""); look == "yes" || look == "no")
        s.highContrast = look == "yes";
    return s;
}

void Settings::save(const std::filesystem::path& path, std::string_view section) const
{
    const auto write = [&](std::string_view key, std::string_view value) {
        PrivateProfile::writeString(section, key, value, path);
    };
    write("Top", text(top));
    write("Left", text(left));
    write("Width", text(width));
    write("Height", text(height));
    write("Name", name);
    write("Sounds", sounds ? "yes" : "no");
    write("Update", update ? "true" : "false");
    if (highContrast)
        write("HighContrast", *highContrast ? "yes" : "no");
}
