// SPDX-License-Identifier: MIT
#include "server/duplicatekey.h"

#include <sodium.h>

std::string duplicateKey(const ScoreEntry& entry)
{
    if (entry.origin.empty())
        return {};
    [[maybe_unused]] static const int ready = sodium_init();
    // Each field ends in a byte no field can hold, so no two posts share
    // the hashed text.
    std::string text;
    for (const std::string& field : {entry.name, entry.date, std::to_string(entry.score), entry.origin}) {
        text += field;
        text.push_back('\0');
    }
    unsigned char hash[16];
    crypto_generichash(hash, sizeof hash, reinterpret_cast<const unsigned char*>(text.data()), text.size(), nullptr, 0);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string key;
    for (const unsigned char b : hash) {
        key.push_back(kHex[b >> 4]);
        key.push_back(kHex[b & 0xF]);
    }
    return key;
}
