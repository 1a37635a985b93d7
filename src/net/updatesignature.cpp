// SPDX-License-Identifier: MIT
#include "net/updatesignature.h"

#include <cstdio>
#include <memory>
#include <sodium.h>
#include <stdexcept>

namespace {

constexpr std::size_t kReadPiece = 1 << 20;

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

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Feeds the whole file into the multi-part state; false when it cannot be read.
bool hashFile(const std::string& path, crypto_sign_state& state)
{
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    const auto buffer = std::make_unique<unsigned char[]>(kReadPiece);
    for (;;) {
        const std::size_t count = std::fread(buffer.get(), 1, kReadPiece, file.get());
        if (count > 0)
            crypto_sign_update(&state, buffer.get(), count);
        if (count < kReadPiece)
            return std::ferror(file.get()) == 0;
    }
}

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

std::optional<UpdateSignature::Signature> UpdateSignature::signFile(const std::string& path,
                                                                    const SecretKey& secretKey)
{
    if (!sodiumReady())
        return std::nullopt;
    crypto_sign_state state;
    crypto_sign_init(&state);
    if (!hashFile(path, state))
        return std::nullopt;
    Signature signature{};
    crypto_sign_final_create(&state, signature.data(), nullptr, secretKey.data());
    return signature;
}

UpdateSignature::Verdict UpdateSignature::verifyFile(const std::string& path, std::string_view signatureText,
                                                     const PublicKey& publicKey)
{
    auto signature = parseSignature(signatureText);
    if (!signature)
        return Verdict::Malformed;
    if (!sodiumReady())
        return Verdict::Mismatch;
    crypto_sign_state state;
    crypto_sign_init(&state);
    if (!hashFile(path, state))
        return Verdict::Unreadable;
    return crypto_sign_final_verify(&state, signature->data(), publicKey.data()) == 0 ? Verdict::Good
                                                                                      : Verdict::Mismatch;
}

const char* UpdateSignature::describe(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Good:
        return "good signature";
    case Verdict::Malformed:
        return "the signature file is not 128 hex digits";
    case Verdict::Mismatch:
        return "the signature does not match this file and key";
    case Verdict::Unreadable:
        return "the file cannot be read";
    }
    return "";
}
