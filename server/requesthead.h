// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <string_view>

// The first request of a connection as it sits in the socket, looked at
// before the HTTP library reads it. The library answers a Content-Length it
// cannot read as a number with its header block sent twice, so such a
// request is answered here instead.
struct RequestHead {
    enum class Verdict {
        Incomplete,     // no blank line yet: wait for more bytes
        Pass,           // hand the connection to the HTTP library
        BadLength,      // Content-Length that is not a plain number: 400
        LengthTooLarge, // Content-Length with more digits than any body we take: 413
        TooLarge,       // no blank line within the limit: 431
    };

    Verdict verdict = Verdict::Incomplete;
    std::size_t length = 0;     // bytes up to and including the blank line (when complete)
    std::string_view firstLine; // the request line without its line end, for the log
};

// Digits past which a Content-Length is refused outright: far more than any
// request this server reads, and below what an unsigned 64-bit value holds.
inline constexpr std::size_t kMaxContentLengthDigits = 18;

[[nodiscard]] RequestHead readRequestHead(std::string_view bytes, std::size_t limit);
