// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits the query of a request target into its key/value pairs and undoes
// percent-encoding. Only "%XX" escapes are decoded: a "+" stays a plus sign,
// since the game percent-encodes spaces and a player's "+" must survive. A
// "%" that does not start a valid escape is kept as it is.
struct QueryParam {
    std::string key;
    std::string value;
};

[[nodiscard]] std::string percentDecode(std::string_view text);

// The part of a request target after the first "?", without any "#" fragment.
[[nodiscard]] std::string_view queryOf(std::string_view target);

[[nodiscard]] std::vector<QueryParam> decodeQuery(std::string_view query);

// The first value given for key, or nullptr.
[[nodiscard]] const std::string* findParam(const std::vector<QueryParam>& params, std::string_view key);
