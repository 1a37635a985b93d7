// SPDX-License-Identifier: MIT
// pelbixsolo-sign: the maker's side of signed updates.
//   pelbixsolo-sign keygen DIR          DIR/update.key (secret, 0600), DIR/update.pub (hex)
//   pelbixsolo-sign sign KEYFILE FILE VERSION [PRODUCT]   writes FILE.sig, a signed release statement
//   pelbixsolo-sign verify PUBFILE FILE prints the statement and exits 0 when FILE.sig is good
//                                       for FILE, 1 with the reason
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
    "usage: pelbixsolo-sign keygen DIR | sign KEYFILE FILE VERSION [PRODUCT] | verify PUBFILE FILE\n"
    "  keygen DIR          write DIR/update.key (secret, mode 0600) and DIR/update.pub\n"
    "                      (the hex public key the game is built with: -DPELBIX_UPDATE_KEY=...)\n"
    "  sign KEYFILE FILE VERSION [PRODUCT]\n"
    "                      write FILE.sig: a release statement (PRODUCT, default pelbixsolo;\n"
    "                      VERSION such as 1.0.3; FILE's name, size and SHA-256) and its\n"
    "                      Ed25519 signature\n"
    "  verify PUBFILE FILE print the statement in FILE.sig and exit 0 when its signature is\n"
    "                      good and it names FILE (name, size, SHA-256), else exit 1\n";

constexpr char kDefaultProduct[] = "pelbixsolo";

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

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

int sign(const std::string& keyFile, const std::string& file, const std::string& version, const std::string& product)
{
    if (!UpdateSignature::isVersion(version))
        return fail(version + ": not a version (dot-separated numbers such as 1.0.3)");
    ReleaseStatement statement{product, version, baseName(file), 0, {}};
    const auto digest = UpdateSignature::hashFile(file);
    struct stat info {};
    if (!digest || ::stat(file.c_str(), &info) != 0)
        return fail(file + ": cannot be read");
    statement.size = static_cast<unsigned long long>(info.st_size);
    statement.sha256 = *digest;
    std::optional<std::string> text = readSmallFile(keyFile);
    if (!text)
        return fail(keyFile + ": cannot be read");
    std::optional<UpdateSignature::SecretKey> secretKey = UpdateSignature::parseSecretKey(*text);
    sodium_memzero(text->data(), text->size());
    if (!secretKey)
        return fail(keyFile + ": not a secret key (128 hex digits)");
    const std::string sigText = UpdateSignature::sign(statement, *secretKey);
    sodium_memzero(secretKey->data(), secretKey->size());
    if (sigText.empty())
        return fail(file + ": the product or file name cannot go into a statement "
                           "(lower-case letters and digits; a file name of letters, digits, '.', '_', '-')");
    const std::string sigPath = file + ".sig";
    if (!writeFile(sigPath, sigText, 0644, true))
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
    const std::optional<std::string> sigText = readSmallFile(file + ".sig");
    if (!sigText)
        return fail(file + ".sig: cannot be read");
    ReleaseStatement statement;
    auto verdict = UpdateSignature::open(*sigText, *publicKey, statement);
    if (verdict == UpdateSignature::Verdict::Good && statement.fileName != baseName(file))
        verdict = UpdateSignature::Verdict::OtherFile;
    if (verdict == UpdateSignature::Verdict::Good)
        verdict = UpdateSignature::matchesFile(file, statement);
    if (verdict != UpdateSignature::Verdict::Good)
        return fail(file + ": " + UpdateSignature::describe(verdict));
    std::fputs(UpdateSignature::statementText(statement).c_str(), stdout);
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
    if (command == "sign" && (argc == 5 || argc == 6))
        return sign(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : kDefaultProduct);
    if (command == "verify" && argc == 4)
        return verify(argv[2], argv[3]);
    std::fprintf(stderr, "pelbixsolo-sign: bad arguments; try pelbixsolo-sign --help\n");
    return kBadArguments;
}
