// SPDX-License-Identifier: MIT
/* LD_PRELOAD shim for load tools that cannot choose their source address:
 * every IPv4 TCP connect() first binds the socket to $PELBIX_FROM_ADDRESS
 * (e.g. 127.0.0.2), so a benchmark client counts as a different client
 * address from an attacker on 127.0.0.1. With $PELBIX_FROM_SPREAD = N the
 * connections take the N addresses from there in turn, as N clients would. */
#define _GNU_SOURCE
#include <arpa/inet.h>
#include <dlfcn.h>
#include <netinet/in.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <sys/socket.h>

int connect(int fd, const struct sockaddr* to, socklen_t length)
{
    static int (*next)(int, const struct sockaddr*, socklen_t);
    if (!next)
        next = (int (*)(int, const struct sockaddr*, socklen_t))dlsym(RTLD_NEXT, "connect");
    const char* from = getenv("PELBIX_FROM_ADDRESS");
    if (from && to && to->sa_family == AF_INET) {
        struct sockaddr_in source = {0};
        source.sin_family = AF_INET;
        static atomic_uint turn;
        const char* spread = getenv("PELBIX_FROM_SPREAD");
        const unsigned n = spread ? (unsigned)atoi(spread) : 1;
        if (inet_pton(AF_INET, from, &source.sin_addr) == 1) {
            if (n > 1)
                source.sin_addr.s_addr = htonl(ntohl(source.sin_addr.s_addr) + atomic_fetch_add(&turn, 1) % n);
            bind(fd, (const struct sockaddr*)&source, sizeof source);
        }
    }
    return next(fd, to, length);
}
