#pragma once
#include <stdexcept>
#include <string>

// Raised by THttpCli. The code is 1 (busy), 2 (nothing to post or put),
// 4 (header line too long), 5 (unsupported version), or the HTTP status
// (400 and up, or 404 for the client's own failures) after a synchronous call.
class EHttpException : public std::runtime_error {
public:
    EHttpException(const std::string& message, int code) : std::runtime_error(message), m_code(code) {}

    [[nodiscard]] int ErrorCode() const { return m_code; }

private:
    int m_code;
};
