// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <string>

// Socket errors keep the Windows Sockets numbers and descriptions, so the
// reason phrases a caller shows read the same on every platform.
namespace wsocketerror {

constexpr int kConnectionRefused = 10061;
constexpr int kTimedOut = 10060;
constexpr int kHostNotFound = 11001;
constexpr int kTryAgain = 11002;
constexpr int kNoRecovery = 11003;
constexpr int kNoData = 11004;
constexpr int kInvalidArgument = 10022;
constexpr int kConnectionAborted = 10053; // also a TLS handshake that failed

// The Windows Sockets number for a POSIX errno value; 0 stays 0.
[[nodiscard]] int fromErrno(int err);

// The description below in the player's language.
[[nodiscard]] QString translatedDesc(int errorCode);

} // namespace wsocketerror

// The standard description of a Windows Sockets error number: "No Error" for 0,
// "Not a WinSock error" for numbers outside the table.
[[nodiscard]] std::string WSocketErrorDesc(int errorCode);
