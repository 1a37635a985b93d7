// SPDX-License-Identifier: MIT
#include "core/settings/privateprofile.h"

#include "core/settings/atomicfile.h"
#include "core/settings/fileerror.h"
#include "core/settings/initext.h"
#include "core/settings/textencoding.h"

#include <fstream>
#include <optional>

namespace {
enum class Load { Missing, Loaded, Unreadable, TooLarge };

struct Loaded {
    Load state;
    std::string text;
};

Loaded loadText(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        return {Load::Missing, {}};
    // A folder, a pipe or a device is never a settings file; opening a pipe
    // would even wait for a writer.
    if (!std::filesystem::is_regular_file(status))
        return {Load::Unreadable, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {Load::Unreadable, {}};
    // Read in chunks rather than trusting the size reported up front: the
    // file may grow while we read, and the limit must hold regardless.
    constexpr std::size_t kChunk = 4096;
    std::string text;
    char chunk[kChunk];
    while (in.read(chunk, kChunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > PrivateProfile::kMaxFileSize)
            return {Load::TooLarge, {}};
    }
    if (in.bad())
        return {Load::Unreadable, {}};
    return {Load::Loaded, std::move(text)};
}

// What a caller's buffer would hold: the text up to its first NUL, cut so
// the terminator still fits, without a UTF-8 sequence broken by the cut.
// 8-bit text of older files is cut as the bytes it is, then made UTF-8.
std::string throughBuffer(std::string_view value)
{
    value = value.substr(0, value.find('\0'));
    if (!textencoding::isUtf8(value))
        return textencoding::windows1252ToUtf8(value.substr(0, PrivateProfile::kValueBuffer - 1));
    if (value.size() < PrivateProfile::kValueBuffer)
        return std::string(value);
    const auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    std::size_t cut = PrivateProfile::kValueBuffer - 1;
    if (isContinuation(value[cut])) {
        while (cut > 0 && isContinuation(value[cut - 1]))
            --cut;
        if (cut > 0 && static_cast<unsigned char>(value[cut - 1]) >= 0xC0)
            --cut;
    }
    return std::string(value.substr(0, cut));
}
} // namespace

std::string PrivateProfile::getString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                      const std::filesystem::path& path)
{
    const auto loaded = loadText(path);
    std::optional<std::string> value;
    if (loaded.state == Load::Loaded)
        value = IniText(loaded.text).value(section, key);
    return throughBuffer(value ? *value : defaultValue);
}

void PrivateProfile::writeString(std::string_view section, std::string_view key, std::string_view value,
                                 const std::filesystem::path& path)
{
    auto loaded = loadText(path);
    switch (loaded.state) {
    case Load::Unreadable:
        throw FileError(QT_TRANSLATE_NOOP("FileError", "cannot read the settings file before changing it: %1"), path);
    case Load::TooLarge:
        throw FileError(QT_TRANSLATE_NOOP("FileError", "refusing to rewrite a settings file larger than 1 MiB: %1"), path);
    case Load::Missing:
    case Load::Loaded:
        break;
    }
    IniText ini(loaded.text);
    ini.setValue(section, key, value);
    AtomicFile::replace(path, ini.text());
}
