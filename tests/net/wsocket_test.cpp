// SPDX-License-Identifier: MIT
#include <cerrno>
#include <gtest/gtest.h>

#include "net/socketexception.h"
#include "net/clientsocket.h"
#include "net/wsocketerror.h"
#include "support/eventwait.h"

TEST(WSocketErrorDesc, KeepsTheWindowsSocketsTexts)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "No Error"},
        {10061, "Connection refused"},
        {10060, "Connection timed out"},
        {11001, "Host not found"},
        {10065, "No route to host"},
        {10054, "Connection reset by peer"},
        {1, "Not a WinSock error"},
        {99999, "Not a WinSock error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WSocketErrorDesc(c.code), c.text) << c.code;
}

TEST(WSocketErrorDesc, MapsPosixNumbersOntoWindowsSockets)
{
    const struct {
        int posix;
        int winsock;
    } cases[] = {
        {0, 0},
        {ECONNREFUSED, 10061},
        {ETIMEDOUT, 10060},
        {EHOSTUNREACH, 10065},
        {ENETUNREACH, 10051},
        {ECONNRESET, 10054},
        {EPIPE, 10058},
        {EWOULDBLOCK, 10035},
        {EINVAL, 10022},
        {EACCES, 10013},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wsocketerror::fromErrno(c.posix), c.winsock) << c.posix;
}

TEST(DnsLookup, ReportsADottedAddressWithoutALookup)
{
    const struct {
        const char* host;
        const char* result;
    } cases[] = {
        {"127.0.0.1", "127.0.0.1"},
        {"  10.0.0.255  ", "10.0.0.255"},
        {"001.2.3.4", "1.2.3.4"},
    };
    for (const auto& c : cases) {
        ClientSocket socket;
        int calls = 0;
        int error = -1;
        socket.OnDnsLookupDone = [&](int e) {
            ++calls;
            error = e;
        };
        socket.DnsLookup(QString::fromLatin1(c.host));
        // Reported from the event loop, never from inside the call.
        EXPECT_EQ(calls, 0) << c.host;
        ASSERT_TRUE(waitUntil([&] { return calls > 0; })) << c.host;
        EXPECT_EQ(error, 0) << c.host;
        EXPECT_EQ(socket.DnsResult(), QString::fromLatin1(c.result)) << c.host;
    }
}

TEST(DnsLookup, RefusesAnEmptyHostAtOnce)
{
    ClientSocket socket;
    EXPECT_THROW(socket.DnsLookup(QStringLiteral("   ")), SocketException);
}

TEST(DnsLookup, FailsForAReservedNameThatNeverResolves)
{
    ClientSocket socket;
    int error = -1;
    socket.OnDnsLookupDone = [&](int e) { error = e; };
    socket.DnsLookup(QStringLiteral("pelbix-nowhere.invalid"));
    ASSERT_TRUE(waitUntil([&] { return error != -1; }));
    EXPECT_NE(error, 0);
}

TEST(DnsLookup, ACancelledLookupReportsNothing)
{
    ClientSocket socket;
    int calls = 0;
    socket.OnDnsLookupDone = [&](int) { ++calls; };
    socket.DnsLookup(QStringLiteral("127.0.0.1"));
    socket.CancelDnsLookup();
    socket.DnsLookup(QStringLiteral("localhost"));
    socket.CancelDnsLookup();
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(calls, 0);
}

TEST(Connect, AnAddressThatIsNotDottedCannotStart)
{
    ClientSocket socket;
    socket.Addr = QStringLiteral("example");
    socket.Port = QStringLiteral("80");
    EXPECT_THROW(socket.Connect(), SocketException);
    EXPECT_EQ(socket.LastError(), 10022);
}
