// Paces the frame pump against the clock: ticks fall on a fixed grid of deadlines, so slow ticks do not stretch the
// period.
#pragma once

#include <chrono>

// Deadlines lie at start + k x period. When a tick begins, the pump asks how
// long to wait for the next deadline and arms a one-shot timer for it before
// running the frame: the wait shrinks by however late the tick began, so the
// rate holds and the phase does not drift, and a frame of a few milliseconds
// does not stretch the period. A frame that overruns the next deadline is
// followed at once (its timer is already due); deadlines that passed entirely
// during a stall are dropped, never made up in a burst.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit FramePacer(Clock::duration period);

    Clock::duration period() const { return m_period; }

    // Starts a new grid (at start-up and after the pump was stopped): the
    // first deadline is one period after `now`. Returns the wait until it.
    Clock::duration start(Clock::time_point now);
    // The same, but with a deadline due at once: a resting pump woken for a
    // frame ticks now and then keeps the usual period.
    Clock::duration startNow(Clock::time_point now);

    // A tick begins at `now`: the wait until the deadline after the one it
    // was armed for, or, when that has passed too, until the first one still
    // ahead.
    Clock::duration nextWait(Clock::time_point now);

    // The same wait in whole milliseconds for a millisecond timer, rounded to
    // the nearest and at least 1.
    static int toTimerMilliseconds(Clock::duration wait);

    // Deadlines dropped because no tick began before the following one.
    long missedDeadlines() const { return m_missed; }
    Clock::time_point nextDeadline() const { return m_next; }

private:
    Clock::duration m_period;
    Clock::time_point m_next{};
    long m_missed = 0;
};
