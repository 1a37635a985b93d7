// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Ed25519 signatures over whole installer files, in the pre-hashed form so a
// file of any size is read in pieces and never held whole. Keys and
// signatures travel as hex text: a public key of 64 digits, a secret key and
// a signature of 128, each optionally followed by one line end.
class UpdateSignature {
public:
    static constexpr std::size_t kPublicKeyBytes = 32;
    static constexpr std::size_t kSecretKeyBytes = 64;
    static constexpr std::size_t kSignatureBytes = 64;
    using PublicKey = std::array<unsigned char, kPublicKeyBytes>;
    using SecretKey = std::array<unsigned char, kSecretKeyBytes>;
    using Signature = std::array<unsigned char, kSignatureBytes>;

    enum class Verdict { Good, Malformed, Mismatch, Unreadable };

    [[nodiscard]] static std::optional<PublicKey> parsePublicKey(std::string_view text);
    [[nodiscard]] static std::optional<SecretKey> parseSecretKey(std::string_view text);
    [[nodiscard]] static std::optional<Signature> parseSignature(std::string_view text);
    // Lower-case hex digits, no line end.
    [[nodiscard]] static std::string hex(const unsigned char* data, std::size_t size);

    // A fresh key pair from the system's random source.
    static void generate(PublicKey& publicKey, SecretKey& secretKey);
    // Empty when the file cannot be read.
    [[nodiscard]] static std::optional<Signature> signFile(const std::string& path, const SecretKey& secretKey);
    // Whether signatureText (as a ".sig" file holds it) is a good signature
    // of the file's complete contents by publicKey.
    [[nodiscard]] static Verdict verifyFile(const std::string& path, std::string_view signatureText,
                                            const PublicKey& publicKey);
    // One line for the player or the maker: "good signature", ...
    [[nodiscard]] static const char* describe(Verdict verdict);
};
