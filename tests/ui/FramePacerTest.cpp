// The frame pump's pacing: ticks stay on a 20 ms grid whatever a tick costs, without drift or bursts.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "ui/FramePacer.h"

using namespace std::chrono;
using Clock = FramePacer::Clock;

namespace {

const Clock::duration kPeriod = milliseconds(20);

// Drives a pacer the way the pump does, with a simulated clock: each tick
// begins `latency` after its timer was due (or when the previous frame ends,
// if later), arms the timer for the next deadline and runs for `work(k)`.
template <class Work>
std::vector<Clock::time_point> runTicks(FramePacer& pacer, Clock::time_point t0, int ticks, Clock::duration latency,
                                        Work work) {
    std::vector<Clock::time_point> starts;
    Clock::time_point due = t0 + pacer.start(t0);
    Clock::time_point previousEnd = t0;
    for (int k = 0; k < ticks; ++k) {
        const Clock::time_point start = std::max(due + latency, previousEnd);
        starts.push_back(start);
        due = start + pacer.nextWait(start);
        previousEnd = start + work(k);
    }
    return starts;
}

} // namespace

TEST(FramePacer, SlowTicksAndLateTimersKeepTheRateWithoutDrift) {
    FramePacer pacer(kPeriod);
    const Clock::time_point t0{};
    // 6 ms of work and a timer 2 ms late every time: a repeating 20 ms timer
    // would give a 28 ms period; paced, the k-th tick starts 2 ms after k x 20.
    auto starts = runTicks(pacer, t0, 3000, milliseconds(2), [](int) { return milliseconds(6); });
    for (size_t k = 0; k < starts.size(); ++k)
        ASSERT_EQ(starts[k] - t0, kPeriod * static_cast<int>(k + 1) + milliseconds(2)) << "tick " << k;
    EXPECT_EQ(pacer.missedDeadlines(), 0);
}

TEST(FramePacer, AnOverrunIsFollowedAtOnceAndThenTheGridResumes) {
    FramePacer pacer(kPeriod);
    const Clock::time_point t0{};
    // Tick 3 takes 27 ms: it ends 7 ms past the next deadline.
    auto starts = runTicks(pacer, t0, 8, Clock::duration::zero(),
                           [](int k) { return k == 3 ? milliseconds(27) : milliseconds(3); });
    EXPECT_EQ(starts[3] - t0, milliseconds(80));
    EXPECT_EQ(starts[4] - t0, milliseconds(107)); // immediately after the overrun
    EXPECT_EQ(starts[5] - t0, milliseconds(120)); // back on the grid
    EXPECT_EQ(starts[7] - t0, milliseconds(160));
    EXPECT_EQ(pacer.missedDeadlines(), 0);
}

TEST(FramePacer, AStallDropsTheMissedDeadlinesInsteadOfBursting) {
    FramePacer pacer(kPeriod);
    const Clock::time_point t0{};
    // Tick 1 stalls for 95 ms (a slow file, say): its successor, due at 60,
    // begins as it ends at 135; the deadlines at 80, 100 and 120 are dropped
    // and the grid goes on at 140 in its old phase.
    auto starts = runTicks(pacer, t0, 6, Clock::duration::zero(),
                           [](int k) { return k == 1 ? milliseconds(95) : milliseconds(2); });
    EXPECT_EQ(starts[1] - t0, milliseconds(40));
    EXPECT_EQ(starts[2] - t0, milliseconds(135));
    EXPECT_EQ(starts[3] - t0, milliseconds(140));
    EXPECT_EQ(starts[5] - t0, milliseconds(180));
    EXPECT_EQ(pacer.missedDeadlines(), 3);
}

TEST(FramePacer, StartingAgainBeginsANewGridFromNow) {
    FramePacer pacer(kPeriod);
    const Clock::time_point t0{};
    EXPECT_EQ(pacer.start(t0), kPeriod);
    EXPECT_EQ(pacer.nextWait(t0 + milliseconds(25)), milliseconds(15));
    // Stopped for a while, then restarted: no catching up on the pause.
    const Clock::time_point later = t0 + seconds(3) + microseconds(300);
    EXPECT_EQ(pacer.start(later), kPeriod);
    EXPECT_EQ(pacer.nextDeadline(), later + kPeriod);
    EXPECT_EQ(pacer.nextWait(later + milliseconds(24)), milliseconds(16));
    EXPECT_EQ(pacer.missedDeadlines(), 0);
}

TEST(FramePacer, AWokenPumpTicksAtOnceAndThenKeepsThePeriod) {
    FramePacer pacer(kPeriod);
    const Clock::time_point t0{};
    pacer.start(t0);
    // Resting, then woken by a request 1.3 s later: due now, not a period on.
    const Clock::time_point woken = t0 + milliseconds(1300);
    EXPECT_EQ(pacer.startNow(woken), Clock::duration::zero());
    // The woken tick begins a millisecond late; the grid counts from the wake.
    EXPECT_EQ(pacer.nextWait(woken + milliseconds(1)), milliseconds(19));
    EXPECT_EQ(pacer.nextWait(woken + milliseconds(21)), milliseconds(19));
    EXPECT_EQ(pacer.missedDeadlines(), 0);
}

TEST(FramePacer, TimerWaitsRoundToWholeMillisecondsOfAtLeastOne) {
    EXPECT_EQ(FramePacer::toTimerMilliseconds(microseconds(17400)), 17);
    EXPECT_EQ(FramePacer::toTimerMilliseconds(microseconds(17500)), 18);
    EXPECT_EQ(FramePacer::toTimerMilliseconds(milliseconds(20)), 20);
    EXPECT_EQ(FramePacer::toTimerMilliseconds(Clock::duration::zero()), 1);
    EXPECT_EQ(FramePacer::toTimerMilliseconds(-milliseconds(5)), 1);
}
