// SPDX-License-Identifier: MIT
// Whatever a server puts in an installer's ".sig" or its version file: the
// statement parser either refuses it or reads a statement that writes back
// as exactly the signed lines, and the version order never holds both ways.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/updatesignature.h"

namespace {

void checkStatement(std::string_view text)
{
    const auto statement = UpdateSignature::parse(text);
    static const UpdateSignature::PublicKey key{};
    ReleaseStatement opened;
    if (UpdateSignature::open(text, key, opened) == UpdateSignature::Verdict::Good && !statement)
        std::abort();
    if (!statement)
        return;
    const std::string lines = UpdateSignature::statementText(*statement);
    if (lines.empty() || text.substr(0, lines.size()) != lines)
        std::abort();
    if (text.substr(lines.size(), 10) != "signature ")
        std::abort();
}

void checkVersions(std::string_view text)
{
    const std::size_t split = text.find('\n');
    const std::string_view a = text.substr(0, split);
    const std::string_view b = split == std::string_view::npos ? a : text.substr(split + 1);
    const bool aNewer = UpdateSignature::newerVersion(a, b);
    const bool bNewer = UpdateSignature::newerVersion(b, a);
    if (aNewer && bNewer)
        std::abort();
    if ((aNewer || bNewer) && !(UpdateSignature::isVersion(a) && UpdateSignature::isVersion(b)))
        std::abort();
    if (UpdateSignature::newerVersion(a, a))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkStatement(text);
    checkVersions(text);
    return 0;
}
