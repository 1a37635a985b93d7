// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// THttpCli's own error numbers. A synchronous call that ends with an HTTP
// status of 400 or more raises that status instead.
enum class THttpError : int {
    Busy = 1,           // "HTTP component is busy"
    NothingToPost = 2,  // "HTTP component has nothing to post or put"
    Aborted = 3,        // the request error of an aborted request
    LineTooLong = 4,    // "HTTP line too long"
    BadVersion = 5,     // "Insupported HTTP version"
    ClientFailure = 404 // the client failed on its own: lookup, connect, limits, abort
};

// Raised by THttpCli: the message and either a THttpError or an HTTP status.
class EHttpException : public std::runtime_error {
public:
    EHttpException(const std::string& message, int code) : std::runtime_error(message), m_code(code) {}
    EHttpException(const std::string& message, THttpError code) : EHttpException(message, static_cast<int>(code)) {}

    [[nodiscard]] int ErrorCode() const { return m_code; }

private:
    int m_code;
};
