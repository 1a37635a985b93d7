// SPDX-License-Identifier: MIT
#include "server/querydecoder.h"

namespace {
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
} // namespace

std::string percentDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

std::string_view queryOf(std::string_view target)
{
    const auto fragment = target.find('#');
    if (fragment != std::string_view::npos)
        target = target.substr(0, fragment);
    const auto mark = target.find('?');
    if (mark == std::string_view::npos)
        return {};
    return target.substr(mark + 1);
}

std::vector<QueryParam> decodeQuery(std::string_view query)
{
    std::vector<QueryParam> params;
    while (!query.empty()) {
        const auto amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        if (pair.empty())
            continue;
        const auto eq = pair.find('=');
        if (eq == std::string_view::npos)
            params.push_back({percentDecode(pair), {}});
        else
            params.push_back({percentDecode(pair.substr(0, eq)), percentDecode(pair.substr(eq + 1))});
    }
    return params;
}

const std::string* findParam(const std::vector<QueryParam>& params, std::string_view key)
{
    for (const auto& p : params) {
        if (p.key == key)
            return &p.value;
    }
    return nullptr;
}
