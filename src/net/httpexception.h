// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// HttpClient's own error numbers: a refused start throws one, the end of a
// request reports Aborted or LineTooLong, and a request that fails on the
// client's side ends with the status ClientFailure.
enum class HttpError : int {
    Busy = 1,           // "HTTP component is busy"
    NothingToPost = 2,  // "HTTP component has nothing to post or put"
    Aborted = 3,        // the request error of an aborted request
    LineTooLong = 4,    // "HTTP line too long"
    BadVersion = 5,     // "Insupported HTTP version"
    ClientFailure = 404 // the client failed on its own: lookup, connect, limits, abort
};

// Raised by HttpClient: the message and either a HttpError or an HTTP status.
class HttpException : public std::runtime_error {
public:
    HttpException(const std::string& message, int code) : std::runtime_error(message), m_code(code) {}
    HttpException(const std::string& message, HttpError code) : HttpException(message, static_cast<int>(code)) {}

    [[nodiscard]] int ErrorCode() const { return m_code; }

private:
    int m_code;
};
