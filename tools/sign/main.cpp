// SPDX-License-Identifier: MIT
// pelbixsolo-sign: the maker's side of signed updates.
//   pelbixsolo-sign keygen DIR          DIR/update.key (secret, 0600), DIR/update.pub (hex)
//   pelbixsolo-sign sign KEYFILE FILE   writes FILE.sig
//   pelbixsolo-sign verify PUBFILE FILE exit 0 when FILE.sig is good, 1 with the reason
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <sodium.h>

#include "net/updatesignature.h"

namespace {

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;
constexpr std::size_t kMaxKeyFile = 1024; // a key file is one line of hex

constexpr char kUsage[] =
    "usage: pelbixsolo-sign keygen DIR | sign KEYFILE FILE | verify PUBFILE FILE\n"
    "  keygen DIR          write DIR/update.key (secret, mode 0600) and DIR/update.pub\n"
    "                      (the hex public key the game is built with: -DPELBIX_UPDATE_KEY=...)\n"
    "  sign KEYFILE FILE   write FILE.sig, an Ed25519 (pre-hashed) signature of FILE\n"
    "  verify PUBFILE FILE exit 0 when FILE.sig is a good signature of FILE, else 1\n";

int fail(const std::string& why)
{
    std::fprintf(stderr, "pelbixsolo-sign: %s\n", why.c_str());
    return kFailed;
}

std::optional<std::string> readSmallFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(kMaxKeyFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// Writes the whole text to a new file of the given mode; an existing file is
// kept unless `replace`.
bool writeFile(const std::string& path, const std::string& text, mode_t mode, bool replace)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (replace ? O_TRUNC : O_EXCL), mode);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return ::close(fd) == 0 && written;
}

int keygen(const std::string& dir)
{
    ::mkdir(dir.c_str(), 0700);
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    UpdateSignature::generate(publicKey, secretKey);
    const std::string keyPath = dir + "/update.key";
    const std::string pubPath = dir + "/update.pub";
    std::string secretHex = UpdateSignature::hex(secretKey.data(), secretKey.size()) + "\n";
    sodium_memzero(secretKey.data(), secretKey.size());
    // Never over an old key: the installers it signed would lose their maker.
    const bool keyWritten = writeFile(keyPath, secretHex, 0600, false);
    const int error = errno;
    sodium_memzero(secretHex.data(), secretHex.size());
    if (!keyWritten)
        return fail(keyPath + ": " + std::strerror(error));
    if (!writeFile(pubPath, UpdateSignature::hex(publicKey.data(), publicKey.size()) + "\n", 0644, true))
        return fail(pubPath + ": " + std::strerror(errno));
    std::printf("%s\n", UpdateSignature::hex(publicKey.data(), publicKey.size()).c_str());
    return 0;
}

int sign(const std::string& keyFile, const std::string& file)
{
    std::optional<std::string> text = readSmallFile(keyFile);
    if (!text)
        return fail(keyFile + ": cannot be read");
    std::optional<UpdateSignature::SecretKey> secretKey = UpdateSignature::parseSecretKey(*text);
    sodium_memzero(text->data(), text->size());
    if (!secretKey)
        return fail(keyFile + ": not a secret key (128 hex digits)");
    const auto signature = UpdateSignature::signFile(file, *secretKey);
    sodium_memzero(secretKey->data(), secretKey->size());
    if (!signature)
        return fail(file + ": cannot be read");
    const std::string sigPath = file + ".sig";
    if (!writeFile(sigPath, UpdateSignature::hex(signature->data(), signature->size()) + "\n", 0644, true))
        return fail(sigPath + ": " + std::strerror(errno));
    return 0;
}

int verify(const std::string& pubFile, const std::string& file)
{
    const std::optional<std::string> text = readSmallFile(pubFile);
    if (!text)
        return fail(pubFile + ": cannot be read");
    const auto publicKey = UpdateSignature::parsePublicKey(*text);
    if (!publicKey)
        return fail(pubFile + ": not a public key (64 hex digits)");
    const std::optional<std::string> signature = readSmallFile(file + ".sig");
    if (!signature)
        return fail(file + ".sig: cannot be read");
    const auto verdict = UpdateSignature::verifyFile(file, *signature, *publicKey);
    if (verdict != UpdateSignature::Verdict::Good)
        return fail(file + ": " + UpdateSignature::describe(verdict));
    std::printf("%s: %s\n", file.c_str(), UpdateSignature::describe(verdict));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "keygen" && argc == 3)
        return keygen(argv[2]);
    if (command == "sign" && argc == 4)
        return sign(argv[2], argv[3]);
    if (command == "verify" && argc == 4)
        return verify(argv[2], argv[3]);
    std::fprintf(stderr, "pelbixsolo-sign: bad arguments; try pelbixsolo-sign --help\n");
    return kBadArguments;
}
