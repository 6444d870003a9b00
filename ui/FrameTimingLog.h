// Measures the frame pump when FLAREWICK_FRAME_STATS is set: frames drawn per second, the time of one, and stalls.
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

    // Every tick of the pump, whether it draws or not.
    void tickStarted();
    // A tick that draws a frame.
    void frameStarted();
    void frameEnded();
    // A tick that began at `start` (what tickStarted() records).
    void recordTick(Clock::time_point start);
    // One drawn frame that ran from `start` to `end` (what the two calls above record).
    void record(Clock::time_point start, Clock::time_point end);

    // "frames N in S s: F fps; tick median M ms, p95 P ms" over the last ten
    // seconds of drawn frames (or all of them when the run was shorter): the
    // figures of what was on screen before the program closed, not of its
    // start-up; then "; longest gap G ms" between the starts of two ticks of
    // the pump over the whole run. A tick that had nothing to draw is no gap:
    // the gap measures the pump stalling, not a still picture.
    std::string summary() const;
    double longestGapMs() const { return m_longestGapMs; }

    // One stretch of the run measured on its own (a background export): the
    // longest gap between ticks from `at` until endSpan(), counting the wait
    // for the first tick after `at`.
    void beginSpan(Clock::time_point at);
    void endSpan() { m_inSpan = false; }
    double spanLongestGapMs() const { return m_spanGapMs; }

private:
    struct Tick {
        Clock::time_point start;
        double milliseconds;
    };
    bool m_enabled = false;
    Clock::time_point m_start{};
    Clock::time_point m_lastTick{};
    bool m_ticked = false;
    std::deque<Tick> m_ticks;
    double m_longestGapMs = 0;
    bool m_inSpan = false;
    Clock::time_point m_spanStart{};
    double m_spanGapMs = 0;
};
