// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A release as its maker signed it: which program, which version, which
// installer file, how long it is and its SHA-256. A replayed old statement
// names an old version, a statement for another file names that file, so
// the signature alone never makes an installer acceptable.
struct ReleaseStatement {
    std::string product;
    std::string version;
    std::string fileName;
    unsigned long long size = 0;
    std::array<unsigned char, 32> sha256{};
};

// Ed25519 signatures over release statements. The ".sig" file beside the
// installer holds the statement's lines followed by one signature line:
//
//   pelbixsolo-release 1
//   product pelbixsolo
//   version 1.0.3
//   file qztsetup.exe
//   size 70012
//   sha256 <64 lower-case hex digits>
//   signature <128 lower-case hex digits>
//
// Every line ends in "\n"; the signature covers the bytes of the lines
// before it. Keys travel as hex text: a public key of 64 digits, a secret
// key of 128, each optionally followed by one line end.
class UpdateSignature {
public:
    static constexpr std::size_t kPublicKeyBytes = 32;
    static constexpr std::size_t kSecretKeyBytes = 64;
    static constexpr std::size_t kSignatureBytes = 64;
    static constexpr std::size_t kMaxField = 64;      // longest product, version or file name
    static constexpr unsigned long long kMaxSize = 1ULL << 40; // no installer is a terabyte
    static constexpr int kMaxVersionParts = 8;
    using PublicKey = std::array<unsigned char, kPublicKeyBytes>;
    using SecretKey = std::array<unsigned char, kSecretKeyBytes>;
    using Signature = std::array<unsigned char, kSignatureBytes>;
    using Sha256 = std::array<unsigned char, 32>;

    enum class Verdict { Good, Malformed, Mismatch, Unreadable, OtherFile };

    [[nodiscard]] static std::optional<PublicKey> parsePublicKey(std::string_view text);
    [[nodiscard]] static std::optional<SecretKey> parseSecretKey(std::string_view text);
    [[nodiscard]] static std::optional<Signature> parseSignature(std::string_view text);
    // Lower-case hex digits, no line end.
    [[nodiscard]] static std::string hex(const unsigned char* data, std::size_t size);

    // A fresh key pair from the system's random source.
    static void generate(PublicKey& publicKey, SecretKey& secretKey);
    // The statement's lines as they are signed; empty when a field could
    // not be parsed back (a version that is no version, a name with a
    // space, ...), so nothing unreadable is ever signed.
    [[nodiscard]] static std::string statementText(const ReleaseStatement& statement);
    // The whole ".sig" text; empty as statementText.
    [[nodiscard]] static std::string sign(const ReleaseStatement& statement, const SecretKey& secretKey);
    // The statement a ".sig" text holds, only when it is well formed and its
    // signature is good for publicKey; Malformed or Mismatch otherwise.
    [[nodiscard]] static Verdict open(std::string_view sigText, const PublicKey& publicKey, ReleaseStatement& statement);
    // The statement's fields without its signature checked (for the fuzzer
    // and for saying what a bad file claims); nullopt when malformed.
    [[nodiscard]] static std::optional<ReleaseStatement> parse(std::string_view sigText);

    // The file's SHA-256, read in pieces; nullopt when it cannot be read.
    [[nodiscard]] static std::optional<Sha256> hashFile(const std::string& path);
    // Whether the file at path is the one the statement names by size and
    // hash (its name is the caller's business).
    [[nodiscard]] static Verdict matchesFile(const std::string& path, const ReleaseStatement& statement);

    // A version is 1 to kMaxVersionParts dot-separated numbers of 1 to 9
    // digits ("1.0.3"). True only when both parse and candidate is higher,
    // missing parts counting as 0 ("1.1" is newer than "1.0.9", "1.0" equals
    // "1.0.0").
    [[nodiscard]] static bool isVersion(std::string_view text);
    [[nodiscard]] static bool newerVersion(std::string_view candidate, std::string_view own);

    // One line for the player or the maker: "good signature", ...
    [[nodiscard]] static const char* describe(Verdict verdict);
};
