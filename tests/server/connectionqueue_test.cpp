#include "server/connectionqueue.h"

#include <future>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(ConnectionQueue, RunsOverflowAtOnceMarkedAsTurnedAway)
{
    ConnectionQueue queue(1, 1);
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    queue.enqueue([&] {
        started.set_value();
        released.wait();
    });
    ASSERT_EQ(started.get_future().wait_for(10s), std::future_status::ready);

    std::promise<bool> waitingJob;
    queue.enqueue([&] { waitingJob.set_value(ConnectionQueue::turningAway()); });
    EXPECT_EQ(queue.pending(), 1u);

    bool overflowRan = false;
    bool overflowTurnedAway = false;
    queue.enqueue([&] {
        overflowRan = true;
        overflowTurnedAway = ConnectionQueue::turningAway();
    });
    EXPECT_TRUE(overflowRan) << "a job past the bound runs on the caller's thread";
    EXPECT_TRUE(overflowTurnedAway);
    EXPECT_FALSE(ConnectionQueue::turningAway());

    release.set_value();
    auto waited = waitingJob.get_future();
    ASSERT_EQ(waited.wait_for(10s), std::future_status::ready);
    EXPECT_FALSE(waited.get());
    queue.shutdown();
}
