// Measures the frame pump when FLAREWICK_FRAME_STATS is set: frames per second and the time of one tick.
#pragma once

#include <chrono>
#include <deque>
#include <string>

class FrameTimingLog {
public:
    using Clock = std::chrono::steady_clock;

    // Enabled when the environment variable FLAREWICK_FRAME_STATS is set.
    FrameTimingLog();
    explicit FrameTimingLog(bool enabled) : m_enabled(enabled) {}
    bool enabled() const { return m_enabled; }

    void tickStarted();
    void tickEnded();
    // One tick that ran from `start` to `end` (what the two calls above record).
    void record(Clock::time_point start, Clock::time_point end);

    // "frames N in S s: F fps; tick median M ms, p95 P ms" over the last ten
    // seconds of ticks (or all of them when the run was shorter): the figures
    // of what was on screen before the program closed, not of its start-up;
    // then "; longest gap G ms" between the starts of two ticks over the whole run.
    std::string summary() const;
    double longestGapMs() const { return m_longestGapMs; }

private:
    struct Tick {
        Clock::time_point start;
        double milliseconds;
    };
    bool m_enabled = false;
    Clock::time_point m_start{};
    std::deque<Tick> m_ticks;
    double m_longestGapMs = 0;
};
