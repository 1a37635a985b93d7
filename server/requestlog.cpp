// SPDX-License-Identifier: MIT
#include "server/requestlog.h"

#include <ctime>

namespace {
void appendPrintable(std::string& out, std::string_view text, std::size_t limit)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == limit) {
            out += "...";
            return;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\') {
            out += "\\x";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
}
} // namespace

std::string formatRequestLine(const RequestRecord& record)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(record.time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);

    std::string line = stamp;
    line += ' ';
    appendPrintable(line, record.client.empty() ? std::string_view("-") : record.client, 64);
    line += " \"";
    appendPrintable(line, record.method, 16);
    line += ' ';
    appendPrintable(line, record.target, kLoggedTargetLength);
    line += ' ';
    appendPrintable(line, record.version, 16);
    line += "\" ";
    line += std::to_string(record.status);
    line += ' ';
    line += std::to_string(record.bytes);
    line += '\n';
    return line;
}
