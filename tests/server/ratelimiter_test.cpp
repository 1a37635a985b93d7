// SPDX-License-Identifier: MIT
#include "server/ratelimiter.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(RateLimiter, AllowsTheLimitThenRefillsOverAMinute)
{
    RateLimiter limiter(3);
    const auto t0 = RateLimiter::Clock::time_point{} + 1h;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(limiter.allow("10.0.0.1", t0)) << i;
    EXPECT_FALSE(limiter.allow("10.0.0.1", t0));
    EXPECT_TRUE(limiter.allow("10.0.0.2", t0)) << "another client has its own allowance";
    EXPECT_FALSE(limiter.allow("10.0.0.1", t0 + 19s));
    EXPECT_TRUE(limiter.allow("10.0.0.1", t0 + 20s)) << "one post back every 60/3 seconds";
    EXPECT_FALSE(limiter.allow("10.0.0.1", t0 + 21s));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(limiter.allow("10.0.0.1", t0 + 10min)) << "refill stops at the limit, " << i;
    EXPECT_FALSE(limiter.allow("10.0.0.1", t0 + 10min));
}

TEST(RateLimiter, ZeroMeansNoLimitAndNoTable)
{
    RateLimiter limiter(0);
    const auto now = RateLimiter::Clock::now();
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(limiter.allow("10.0.0.1", now));
    EXPECT_EQ(limiter.trackedClients(), 0u);
}

TEST(RateLimiter, TableStaysBoundedAndForgetsTheLongestUnseen)
{
    RateLimiter limiter(1, 3);
    const auto now = RateLimiter::Clock::time_point{} + 1h;
    EXPECT_TRUE(limiter.allow("a", now));
    EXPECT_TRUE(limiter.allow("b", now));
    EXPECT_TRUE(limiter.allow("c", now));
    EXPECT_FALSE(limiter.allow("a", now)); // a is now the most recently seen
    EXPECT_TRUE(limiter.allow("d", now));  // evicts b
    EXPECT_EQ(limiter.trackedClients(), 3u);
    EXPECT_FALSE(limiter.allow("a", now));
    EXPECT_TRUE(limiter.allow("b", now)) << "b was forgotten";
    for (int i = 0; i < 10000; ++i)
        (void)limiter.allow("x" + std::to_string(i), now);
    EXPECT_EQ(limiter.trackedClients(), 3u);
}

TEST(RateLimiter, ClientKeyGroupsAnIpv6NetworkAndUnmapsIpv4)
{
    EXPECT_EQ(RateLimiter::clientKey("192.0.2.7"), "192.0.2.7");
    EXPECT_EQ(RateLimiter::clientKey("::ffff:192.0.2.7"), "192.0.2.7");
    EXPECT_EQ(RateLimiter::clientKey("2001:db8:1:2:aaaa::1"), "2001:db8:1:2::/64");
    EXPECT_EQ(RateLimiter::clientKey("2001:db8:1:2:bbbb::9"), RateLimiter::clientKey("2001:db8:1:2::1"));
    EXPECT_NE(RateLimiter::clientKey("2001:db8:1:3::1"), RateLimiter::clientKey("2001:db8:1:2::1"));
}
