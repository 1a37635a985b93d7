// SPDX-License-Identifier: MIT
// The texts an update's signature and keys arrive as: whatever the server or
// a key file holds, parsing either refuses it or gives back exactly the
// bytes its hex digits name.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/updatesignature.h"

namespace {

template <typename Bytes>
void checkRoundTrip(const std::optional<Bytes>& parsed, std::string_view text)
{
    if (!parsed)
        return;
    std::string digits(text.substr(0, 2 * parsed->size()));
    for (char& c : digits)
        c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
    if (UpdateSignature::hex(parsed->data(), parsed->size()) != digits)
        std::abort();
    const std::string_view rest = text.substr(2 * parsed->size());
    if (!rest.empty() && rest != "\n" && rest != "\r\n")
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkRoundTrip(UpdateSignature::parseSignature(text), text);
    checkRoundTrip(UpdateSignature::parsePublicKey(text), text);
    checkRoundTrip(UpdateSignature::parseSecretKey(text), text);
    return 0;
}
