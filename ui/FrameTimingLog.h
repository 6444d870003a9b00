// Measures the frame pump when FLAREWICK_FRAME_STATS is set: frames per second and the time of one tick.
#pragma once

#include <chrono>
#include <string>
#include <vector>

class FrameTimingLog {
public:
    // Enabled when the environment variable FLAREWICK_FRAME_STATS is set.
    FrameTimingLog();
    bool enabled() const { return m_enabled; }

    void tickStarted();
    void tickEnded();

    // "frames N in S s: F fps; tick median M ms, p95 P ms" for the first ten
    // seconds of ticks (or all of them when the run was shorter), then
    // "; longest gap G ms" between the starts of two ticks over the whole run.
    std::string summary() const;
    double longestGapMs() const { return m_longestGapMs; }

private:
    using Clock = std::chrono::steady_clock;
    bool m_enabled = false;
    Clock::time_point m_first{};
    Clock::time_point m_start{};
    Clock::time_point m_lastInWindow{};
    std::vector<double> m_tickMs;
    Clock::time_point m_previousStart{};
    double m_longestGapMs = 0;
};
