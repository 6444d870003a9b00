// Paces the frame pump against the clock: ticks fall on a fixed grid of deadlines, so slow ticks do not stretch the
// period.
#pragma once

#include <chrono>

// Deadlines lie at start + k x period. After each tick the pump asks how long
// to wait for the next one: the wait shrinks by whatever the tick (and the
// lateness of its timer) took, so the rate holds and the phase does not
// drift. A tick that ends past the next deadline is followed at once; one
// that overran by a whole period or more drops the deadlines it missed and
// starts a new grid from now, so a stall is never followed by a burst.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit FramePacer(Clock::duration period);

    Clock::duration period() const { return m_period; }

    // Starts a new grid (at start-up and after the pump was stopped): the
    // first deadline is one period after `now`. Returns the wait until it.
    Clock::duration start(Clock::time_point now);

    // A tick has just ended at `now`: the wait until the next deadline
    // (zero when it has already passed).
    Clock::duration afterTick(Clock::time_point now);

    // The same wait in whole milliseconds for a millisecond timer, rounded to
    // the nearest and at least 1.
    static int toTimerMilliseconds(Clock::duration wait);

    // Deadlines dropped because a tick overran them.
    long missedDeadlines() const { return m_missed; }
    Clock::time_point nextDeadline() const { return m_next; }

private:
    Clock::duration m_period;
    Clock::time_point m_next{};
    long m_missed = 0;
};
