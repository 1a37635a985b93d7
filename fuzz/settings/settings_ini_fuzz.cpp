// SPDX-License-Identifier: MIT
// Any bytes as a settings file: reading must not fail, text always comes
// out as UTF-8, and setting a key must read back as set while every other
// key keeps its value.
#include "core/settings/initext.h"
#include "core/settings/serveraddress.h"
#include "core/settings/settings.h"
#include "core/settings/textencoding.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
constexpr std::array<std::string_view, 9> kKeys = {"Top",    "Left",   "Width",  "Height",      "Name",
                                                   "Sounds", "Update", "Server", "HighContrast"};
constexpr std::string_view kSection = "pelbixsolo";

void check(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniText ini(text);

    // Whatever the bytes, the text read is UTF-8, and UTF-8 stays as it was.
    const std::string utf8 = textencoding::toUtf8(text);
    check(textencoding::isUtf8(utf8));
    check(!textencoding::isUtf8(text) || utf8 == text);

    std::array<std::optional<std::string>, kKeys.size()> before;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        before[i] = ini.value(kSection, kKeys[i]);
        if (before[i]) {
            (void)Settings::parseInt(*before[i], 0);
            if (const auto server = ServerAddress::parse(*before[i]))
                check(ServerAddress::parse(server->authority()).has_value());
        }
    }

    // The first byte picks the key, the rest of a short prefix is the value.
    const std::size_t pick = size > 0 ? data[0] % kKeys.size() : 0;
    const std::string_view value = text.substr(0, 40);
    IniText changed(ini.text());
    changed.setValue(kSection, kKeys[pick], value);
    const IniText reread(changed.text());

    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const auto now = reread.value(kSection, kKeys[i]);
        if (i != pick) {
            check(now == before[i]);
            continue;
        }
        check(now.has_value());
        // Blanks around a value do not survive a read, and line breaks were
        // turned into blanks when it was written.
        std::string expected(value);
        for (auto& c : expected)
            if (c == '\r' || c == '\n' || c == '\0')
                c = ' ';
        const auto first = expected.find_first_not_of(" \t");
        expected = first == std::string::npos ? "" : expected.substr(first, expected.find_last_not_of(" \t") - first + 1);
        check(*now == expected);
    }
    return 0;
}
