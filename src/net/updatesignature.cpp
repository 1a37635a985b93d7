// SPDX-License-Identifier: MIT
#include "net/updatesignature.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <sodium.h>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t kReadPiece = 1 << 20;
constexpr std::string_view kFormatLine = "pelbixsolo-release 1";
constexpr std::size_t kMaxVersionDigits = 9; // every part fits an unsigned 32-bit number

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Exactly 2 * N hex digits.
template <std::size_t N>
std::optional<std::array<unsigned char, N>> parseHexDigits(std::string_view text)
{
    if (text.size() != 2 * N)
        return std::nullopt;
    std::array<unsigned char, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return bytes;
}

// Exactly 2 * N hex digits, then nothing or one line end ("\n" or "\r\n").
template <std::size_t N>
std::optional<std::array<unsigned char, N>> parseHex(std::string_view text)
{
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
        // A carriage return only as part of a line end, never on its own.
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
    }
    return parseHexDigits<N>(text);
}

// Lower-case hex only, so that one statement has one spelling.
bool isLowerHex(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isProduct(std::string_view text)
{
    return !text.empty() && text.size() <= UpdateSignature::kMaxField &&
           std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || (c >= 'a' && c <= 'z'); });
}

// A plain name in one folder: no path, no hidden file, nothing a shell or a
// file system reads specially.
bool isFileName(std::string_view text)
{
    return !text.empty() && text.size() <= UpdateSignature::kMaxField && text.front() != '.' &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '_' ||
                      c == '-';
           });
}

struct Version {
    std::array<unsigned, UpdateSignature::kMaxVersionParts> parts{};
};

std::optional<Version> parseVersion(std::string_view text)
{
    Version version;
    std::size_t count = 0;
    for (;;) {
        const std::size_t dot = std::min(text.find('.'), text.size());
        const std::string_view part = text.substr(0, dot);
        if (part.empty() || part.size() > kMaxVersionDigits || !std::all_of(part.begin(), part.end(), isDigit) ||
            count == version.parts.size())
            return std::nullopt;
        std::from_chars(part.data(), part.data() + part.size(), version.parts[count++]);
        if (dot == text.size())
            return version;
        text.remove_prefix(dot + 1);
    }
}

// Decimal without sign or leading zeros, 1 to kMaxSize.
std::optional<unsigned long long> parseSize(std::string_view text)
{
    if (text.empty() || text.size() > 13 || text.front() == '0' || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    unsigned long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value > UpdateSignature::kMaxSize)
        return std::nullopt;
    return value;
}

// Takes "KEY VALUE\n" off the front of text; the value, or nullopt when the
// next line is not that.
std::optional<std::string_view> takeLine(std::string_view& text, std::string_view key)
{
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos || text.substr(0, key.size()) != key || end <= key.size() ||
        text[key.size()] != ' ')
        return std::nullopt;
    const std::string_view value = text.substr(key.size() + 1, end - key.size() - 1);
    text.remove_prefix(end + 1);
    return value;
}

struct Parsed {
    ReleaseStatement statement;
    std::string_view signedText;
    UpdateSignature::Signature signature{};
};

std::optional<Parsed> parseSigText(std::string_view text)
{
    Parsed parsed;
    const std::string_view whole = text;
    if (text.substr(0, kFormatLine.size() + 1) != std::string(kFormatLine) + "\n")
        return std::nullopt;
    text.remove_prefix(kFormatLine.size() + 1);
    const auto product = takeLine(text, "product");
    const auto version = takeLine(text, "version");
    const auto file = takeLine(text, "file");
    const auto size = takeLine(text, "size");
    const auto sha = takeLine(text, "sha256");
    if (!sha || !product || !version || !file || !size || !isProduct(*product) || version->size() > UpdateSignature::kMaxField ||
        !UpdateSignature::isVersion(*version) || !isFileName(*file) || !isLowerHex(*sha))
        return std::nullopt;
    const auto bytes = parseSize(*size);
    const auto digest = parseHexDigits<32>(*sha);
    parsed.signedText = whole.substr(0, whole.size() - text.size());
    const auto signatureHex = takeLine(text, "signature");
    if (!bytes || !digest || !signatureHex || !isLowerHex(*signatureHex) || !text.empty())
        return std::nullopt;
    const auto signature = parseHexDigits<UpdateSignature::kSignatureBytes>(*signatureHex);
    if (!signature)
        return std::nullopt;
    parsed.statement = {std::string(*product), std::string(*version), std::string(*file), *bytes, *digest};
    parsed.signature = *signature;
    return parsed;
}

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

std::optional<UpdateSignature::PublicKey> UpdateSignature::parsePublicKey(std::string_view text)
{
    return parseHex<kPublicKeyBytes>(text);
}

std::optional<UpdateSignature::SecretKey> UpdateSignature::parseSecretKey(std::string_view text)
{
    return parseHex<kSecretKeyBytes>(text);
}

std::optional<UpdateSignature::Signature> UpdateSignature::parseSignature(std::string_view text)
{
    return parseHex<kSignatureBytes>(text);
}

std::string UpdateSignature::hex(const unsigned char* data, std::size_t size)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
    }
    return text;
}

void UpdateSignature::generate(PublicKey& publicKey, SecretKey& secretKey)
{
    if (!sodiumReady())
        throw std::runtime_error("libsodium cannot start");
    crypto_sign_keypair(publicKey.data(), secretKey.data());
}

std::string UpdateSignature::statementText(const ReleaseStatement& statement)
{
    std::string text = std::string(kFormatLine) + "\nproduct " + statement.product + "\nversion " + statement.version +
                       "\nfile " + statement.fileName + "\nsize " + std::to_string(statement.size) + "\nsha256 " +
                       hex(statement.sha256.data(), statement.sha256.size()) + "\n";
    // Whatever is signed must read back as the same statement.
    const std::string probe = text + "signature " + std::string(2 * kSignatureBytes, '0') + "\n";
    const auto back = parse(probe);
    if (!back || back->product != statement.product || back->version != statement.version ||
        back->fileName != statement.fileName || back->size != statement.size)
        return {};
    return text;
}

std::string UpdateSignature::sign(const ReleaseStatement& statement, const SecretKey& secretKey)
{
    const std::string text = statementText(statement);
    if (text.empty() || !sodiumReady())
        return {};
    Signature signature{};
    crypto_sign_detached(signature.data(), nullptr, reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                         secretKey.data());
    return text + "signature " + hex(signature.data(), signature.size()) + "\n";
}

std::optional<ReleaseStatement> UpdateSignature::parse(std::string_view sigText)
{
    auto parsed = parseSigText(sigText);
    if (!parsed)
        return std::nullopt;
    return std::move(parsed->statement);
}

UpdateSignature::Verdict UpdateSignature::open(std::string_view sigText, const PublicKey& publicKey,
                                               ReleaseStatement& statement)
{
    const auto parsed = parseSigText(sigText);
    if (!parsed)
        return Verdict::Malformed;
    if (!sodiumReady() ||
        crypto_sign_verify_detached(parsed->signature.data(),
                                    reinterpret_cast<const unsigned char*>(parsed->signedText.data()),
                                    parsed->signedText.size(), publicKey.data()) != 0)
        return Verdict::Mismatch;
    statement = parsed->statement;
    return Verdict::Good;
}

std::optional<UpdateSignature::Sha256> UpdateSignature::hashFile(const std::string& path)
{
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file || !sodiumReady())
        return std::nullopt;
    crypto_hash_sha256_state state;
    crypto_hash_sha256_init(&state);
    const auto buffer = std::make_unique<unsigned char[]>(kReadPiece);
    for (;;) {
        const std::size_t count = std::fread(buffer.get(), 1, kReadPiece, file.get());
        if (count > 0)
            crypto_hash_sha256_update(&state, buffer.get(), count);
        if (count < kReadPiece)
            break;
    }
    if (std::ferror(file.get()) != 0)
        return std::nullopt;
    Sha256 digest{};
    crypto_hash_sha256_final(&state, digest.data());
    return digest;
}

UpdateSignature::Verdict UpdateSignature::matchesFile(const std::string& path, const ReleaseStatement& statement)
{
    // The size first: a file of another length costs no hashing.
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return Verdict::Unreadable;
    const long size = std::ftell(file.get());
    if (size < 0)
        return Verdict::Unreadable;
    if (static_cast<unsigned long long>(size) != statement.size)
        return Verdict::OtherFile;
    const auto digest = hashFile(path);
    if (!digest)
        return Verdict::Unreadable;
    return sodium_memcmp(digest->data(), statement.sha256.data(), digest->size()) == 0 ? Verdict::Good
                                                                                        : Verdict::OtherFile;
}

bool UpdateSignature::isVersion(std::string_view text)
{
    return parseVersion(text).has_value();
}

bool UpdateSignature::newerVersion(std::string_view candidate, std::string_view own)
{
    const auto a = parseVersion(candidate);
    const auto b = parseVersion(own);
    return a && b && a->parts > b->parts;
}

const char* UpdateSignature::describe(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Good:
        return "good signature";
    case Verdict::Malformed:
        return "the signature file is not a release statement";
    case Verdict::Mismatch:
        return "the signature does not match this statement and key";
    case Verdict::Unreadable:
        return "the file cannot be read";
    case Verdict::OtherFile:
        return "the file is not the one the statement names (size or SHA-256 differ)";
    }
    return "";
}
