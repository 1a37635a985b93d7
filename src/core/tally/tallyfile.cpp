// SPDX-License-Identifier: MIT
#include "core/tally/tallyfile.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "core/compress/compressorerror.h"
#include "core/compress/lzrw1codec.h"
#include "core/settings/atomicfile.h"

namespace fs = std::filesystem;

namespace {
struct TooLarge {};
} // namespace

TallyFile::Loaded TallyFile::load(const fs::path& path)
{
    Loaded result;
    std::error_code ec;
    if (!fs::exists(path, ec))
        return result;

    const std::string shown = path.string();
    try {
        const auto size = fs::file_size(path, ec);
        if (ec || size > kMaxFileSize)
            throw TooLarge();
        std::ifstream in(path, std::ios::binary);
        std::vector<uint8_t> packed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.eof() && in.fail())
            throw CompressorError("Lzrw1 : Error reading from input file : " + shown);
        result.table = decode(packed, shown);
    } catch (const TooLarge&) {
        result.error = PlayerText("TallyFile", QT_TRANSLATE_NOOP("TallyFile", "%1 : this file is too large to be a tally file"),
                                  {shown});
    } catch (const TallyTable::ParseError& e) {
        // The reader's own words say where the text went wrong; they stay as they are.
        result.error = PlayerText("TallyFile",
                                  QT_TRANSLATE_NOOP("TallyFile", "%1 : the tally list in this file cannot be read (%2)"),
                                  {shown, e.what()});
    } catch (const std::exception& e) {
        result.error = PlayerText::verbatim(e.what());
    }
    if (result.error) {
        result.table = TallyTable();
        result.keptAs = keepDamaged(path);
    }
    return result;
}

fs::path TallyFile::keepDamaged(const fs::path& path)
{
    // Never overwrite an earlier damaged copy: number the new one instead.
    std::error_code ec;
    fs::path target = path;
    target += kDamagedSuffix;
    for (int n = 1; fs::exists(target, ec) && n < 1000; ++n) {
        target = path;
        target += std::string(kDamagedSuffix) + "." + std::to_string(n);
    }
    fs::rename(path, target, ec);
    return ec ? fs::path() : target;
}

TallyTable TallyFile::decode(std::span<const uint8_t> bytes, const std::string& shownPath)
{
    const std::vector<uint8_t> plain = lzrw1Decompress(bytes, shownPath);
    return TallyTable::fromText(std::string(plain.begin(), plain.end()));
}

std::string TallyFile::encode(const TallyTable& table)
{
    const std::string text = table.toText();
    const std::vector<uint8_t> packed = lzrw1Compress(
        std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), CompressMode::Fast);
    return std::string(packed.begin(), packed.end());
}

void TallyFile::save(const fs::path& path, const TallyTable& table) { AtomicFile::replace(path, encode(table)); }
