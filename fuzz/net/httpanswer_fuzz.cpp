// SPDX-License-Identifier: MIT
// HttpClient's receive path without a socket: the server's bytes, cut into
// pieces of varying size, go through HttpAnswerParser the way the client
// feeds it, including the restarts of a reused connection.
//
// Input: one byte choosing the request (GET, HEAD, PUT, POST), one byte
// seeding the piece sizes, then the bytes the server sends.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "net/httpanswerparser.h"

namespace {

struct Checker : HttpAnswerParser::Events {
    long long delivered = 0;
    bool inBody = false;
    void bodyBegins() override { inBody = true; }
    void docData(const char* data, std::size_t size) override
    {
        if (size == 0 || size > HttpAnswerParser::kBufferSize)
            std::abort();
        // Touch every byte, so a chunk pointing outside the buffer is caught.
        volatile char sink = 0;
        for (std::size_t i = 0; i < size; ++i)
            sink = static_cast<char>(sink ^ data[i]);
        delivered += static_cast<long long>(size);
    }
};

constexpr HttpAnswerParser::Request kRequests[] = {HttpAnswerParser::Request::Get, HttpAnswerParser::Request::Head,
                                                   HttpAnswerParser::Request::Put, HttpAnswerParser::Request::Post};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto request = kRequests[data[0] % 4];
    uint32_t state = data[1] * 2654435761u + 1;
    data += 2;
    size -= 2;

    Checker checker;
    HttpAnswerParser parser(checker);
    parser.start(request);
    int answers = 0;
    for (std::size_t at = 0; at < size;) {
        state = state * 1103515245u + 12345u;
        const std::size_t piece = 1 + (state >> 16) % 600;
        const std::size_t count = std::min({piece, size - at, parser.freeSize()});
        std::memcpy(parser.freeSpace(), data + at, count);
        at += count;
        const auto outcome = parser.received(count);
        const auto& answer = parser.answer();
        if (answer.contentLength >= 0 && answer.receivedCount > answer.contentLength)
            std::abort();
        if (checker.delivered != answer.receivedCount)
            std::abort();
        if (parser.lineTooLong())
            return 0; // the client raises "HTTP line too long" and drops the connection
        if (outcome == HttpAnswerParser::Outcome::HeaderTooLarge || outcome == HttpAnswerParser::Outcome::BadChunk) {
            if (parser.phase() != HttpAnswerParser::Phase::Finished)
                std::abort(); // the parser must not read on past its own failure
            return 0;         // the client fails the request and drops the connection
        }
        using Outcome = HttpAnswerParser::Outcome;
        if (outcome == Outcome::Redirect || outcome == Outcome::NoBody || outcome == Outcome::BodyComplete) {
            // The connection is kept for the next request, as on HTTP/1.1.
            if (++answers > 64)
                return 0;
            const long long skip = outcome == Outcome::Redirect ? std::max(0LL, answer.contentLength) : 0;
            parser.start(request, skip);
            checker.delivered = 0;
        }
        if (count == 0 && parser.freeSize() == 0)
            std::abort(); // no room and no way forward: the client would spin
    }
    return 0;
}
