// SPDX-License-Identifier: MIT
#include "net/wsocketerror.h"

#include <QCoreApplication>
#include <cerrno>
#include <utility>

namespace {

constexpr int kWinsockBase = 10000;

struct ErrorText {
    int code;
    const char* text;
};

constexpr const char* kNotWinsock = QT_TRANSLATE_NOOP("WSocketError", "Not a WinSock error");

constexpr ErrorText kErrorTexts[] = {
    {0, QT_TRANSLATE_NOOP("WSocketError", "No Error")},
    {10004, QT_TRANSLATE_NOOP("WSocketError", "Interrupted system call")},
    {10009, QT_TRANSLATE_NOOP("WSocketError", "Bad file number")},
    {10013, QT_TRANSLATE_NOOP("WSocketError", "Permission denied")},
    {10014, QT_TRANSLATE_NOOP("WSocketError", "Bad address")},
    {10022, QT_TRANSLATE_NOOP("WSocketError", "Invalid argument")},
    {10024, QT_TRANSLATE_NOOP("WSocketError", "Too many open files")},
    {10035, QT_TRANSLATE_NOOP("WSocketError", "Operation would block")},
    {10036, QT_TRANSLATE_NOOP("WSocketError", "Operation now in progress")},
    {10037, QT_TRANSLATE_NOOP("WSocketError", "Operation already in progress")},
    {10038, QT_TRANSLATE_NOOP("WSocketError", "Socket operation on non-socket")},
    {10039, QT_TRANSLATE_NOOP("WSocketError", "Destination address required")},
    {10040, QT_TRANSLATE_NOOP("WSocketError", "Message too long")},
    {10041, QT_TRANSLATE_NOOP("WSocketError", "Protocol wrong type for socket")},
    {10042, QT_TRANSLATE_NOOP("WSocketError", "Protocol not available")},
    {10043, QT_TRANSLATE_NOOP("WSocketError", "Protocol not supported")},
    {10044, QT_TRANSLATE_NOOP("WSocketError", "Socket type not supported")},
    {10045, QT_TRANSLATE_NOOP("WSocketError", "Operation not supported on socket")},
    {10046, QT_TRANSLATE_NOOP("WSocketError", "Protocol family not supported")},
    {10047, QT_TRANSLATE_NOOP("WSocketError", "Address family not supported by protocol family")},
    {10048, QT_TRANSLATE_NOOP("WSocketError", "Address already in use")},
    {10049, QT_TRANSLATE_NOOP("WSocketError", "Address not available")},
    {10050, QT_TRANSLATE_NOOP("WSocketError", "Network is down")},
    {10051, QT_TRANSLATE_NOOP("WSocketError", "Network is unreachable")},
    {10052, QT_TRANSLATE_NOOP("WSocketError", "Network dropped connection on reset")},
    {10053, QT_TRANSLATE_NOOP("WSocketError", "Connection aborted")},
    {10054, QT_TRANSLATE_NOOP("WSocketError", "Connection reset by peer")},
    {10055, QT_TRANSLATE_NOOP("WSocketError", "No buffer space available")},
    {10056, QT_TRANSLATE_NOOP("WSocketError", "Socket is already connected")},
    {10057, QT_TRANSLATE_NOOP("WSocketError", "Socket is not connected")},
    {10058, QT_TRANSLATE_NOOP("WSocketError", "Can't send after socket shutdown")},
    {10059, QT_TRANSLATE_NOOP("WSocketError", "Too many references: can't splice")},
    {10060, QT_TRANSLATE_NOOP("WSocketError", "Connection timed out")},
    {10061, QT_TRANSLATE_NOOP("WSocketError", "Connection refused")},
    {10062, QT_TRANSLATE_NOOP("WSocketError", "Too many levels of symbolic links")},
    {10063, QT_TRANSLATE_NOOP("WSocketError", "File name too long")},
    {10064, QT_TRANSLATE_NOOP("WSocketError", "Host is down")},
    {10065, QT_TRANSLATE_NOOP("WSocketError", "No route to host")},
    {10066, QT_TRANSLATE_NOOP("WSocketError", "Directory not empty")},
    {10067, QT_TRANSLATE_NOOP("WSocketError", "Too many processes")},
    {10068, QT_TRANSLATE_NOOP("WSocketError", "Too many users")},
    {10069, QT_TRANSLATE_NOOP("WSocketError", "Disc quota exceeded")},
    {10070, QT_TRANSLATE_NOOP("WSocketError", "Stale NFS file handle")},
    {10071, QT_TRANSLATE_NOOP("WSocketError", "Too many levels of remote in path")},
    {10091, QT_TRANSLATE_NOOP("WSocketError", "Network subsystem is unusable")},
    {10092, QT_TRANSLATE_NOOP("WSocketError", "Winsock DLL cannot support this application")},
    {10093, QT_TRANSLATE_NOOP("WSocketError", "Winsock not initialized")},
    {10101, QT_TRANSLATE_NOOP("WSocketError", "Disconnect")},
    {11001, QT_TRANSLATE_NOOP("WSocketError", "Host not found")},
    {11002, QT_TRANSLATE_NOOP("WSocketError", "Non-authoritative host not found")},
    {11003, QT_TRANSLATE_NOOP("WSocketError", "Non-recoverable error")},
    {11004, QT_TRANSLATE_NOOP("WSocketError", "Valid name, no data record of requested type")},
};

// Linux numbers its errno values differently from the BSD list that the
// Windows Sockets numbers follow, so every value above 30 is named here.
constexpr std::pair<int, int> kErrnoToWinsock[] = {
    {EWOULDBLOCK, 10035},  {EINPROGRESS, 10036},     {EALREADY, 10037},      {ENOTSOCK, 10038},
    {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},    {ENOPROTOOPT, 10042},
    {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045}, {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047}, {EADDRINUSE, 10048},      {EADDRNOTAVAIL, 10049}, {ENETDOWN, 10050},
    {ENETUNREACH, 10051},  {ENETRESET, 10052},       {ECONNABORTED, 10053},  {ECONNRESET, 10054},
    {ENOBUFS, 10055},      {EISCONN, 10056},         {ENOTCONN, 10057},      {ESHUTDOWN, 10058},
    {EPIPE, 10058},        {ETOOMANYREFS, 10059},    {ETIMEDOUT, 10060},     {ECONNREFUSED, 10061},
    {ELOOP, 10062},        {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},     {EHOSTUNREACH, 10065},
    {ENOTEMPTY, 10066},    {EUSERS, 10068},          {EDQUOT, 10069},        {ESTALE, 10070},
    {EREMOTE, 10071},
};

} // namespace

namespace wsocketerror {

int fromErrno(int err)
{
    if (err == 0)
        return 0;
    for (const auto& [posix, winsock] : kErrnoToWinsock) {
        if (posix == err)
            return winsock;
    }
    // The low numbers (EINTR, EBADF, EACCES, EFAULT, EINVAL, EMFILE ...) agree.
    return kWinsockBase + err;
}

} // namespace wsocketerror

std::string WSocketErrorDesc(int errorCode)
{
    for (const auto& entry : kErrorTexts) {
        if (entry.code == errorCode)
            return entry.text;
    }
    return kNotWinsock;
}

QString wsocketerror::translatedDesc(int errorCode)
{
    return QCoreApplication::translate("WSocketError", WSocketErrorDesc(errorCode).c_str());
}
