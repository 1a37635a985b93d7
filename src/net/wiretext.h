// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <string_view>

// A constant of the wire contract (protocol/wirecontract.h) as Qt text; the
// contract is ASCII.
[[nodiscard]] inline QString wireText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
