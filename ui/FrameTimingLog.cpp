// Frame pump measurement: drawn frames' durations and rate over the last ten seconds, the longest stall of the pump.
#include "ui/FrameTimingLog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr std::chrono::seconds kWindow(10);
}

FrameTimingLog::FrameTimingLog() : m_enabled(std::getenv("FLAREWICK_FRAME_STATS") != nullptr) {}

void FrameTimingLog::tickStarted() {
    if (!m_enabled) return;
    recordTick(Clock::now());
}

void FrameTimingLog::frameStarted() {
    if (!m_enabled) return;
    m_start = Clock::now();
}

void FrameTimingLog::frameEnded() {
    if (!m_enabled) return;
    record(m_start, Clock::now());
}

void FrameTimingLog::recordTick(Clock::time_point start) {
    // The longest gap covers the whole run, not only the window.
    if (m_ticked)
        m_longestGapMs =
            std::max(m_longestGapMs, std::chrono::duration<double, std::milli>(start - m_lastTick).count());
    if (m_inSpan) {
        const Clock::time_point from = m_ticked && m_lastTick > m_spanStart ? m_lastTick : m_spanStart;
        m_spanGapMs = std::max(m_spanGapMs, std::chrono::duration<double, std::milli>(start - from).count());
    }
    m_lastTick = start;
    m_ticked = true;
}

void FrameTimingLog::beginSpan(Clock::time_point at) {
    m_inSpan = true;
    m_spanStart = at;
    m_spanGapMs = 0;
}

void FrameTimingLog::record(Clock::time_point start, Clock::time_point end) {
    m_ticks.push_back(Tick{start, std::chrono::duration<double, std::milli>(end - start).count()});
    // Only the window before the newest tick is kept, so memory stays bounded.
    while (m_ticks.front().start < start - kWindow) m_ticks.pop_front();
}

std::string FrameTimingLog::summary() const {
    if (m_ticks.size() < 2) {
        // A still picture draws few frames; the pump's stalls are measured all the same.
        if (!m_ticked) return "frames: too few ticks to measure";
        char line[120];
        std::snprintf(line, sizeof line, "frames: too few ticks to measure; longest gap %.1f ms", m_longestGapMs);
        return line;
    }
    std::vector<double> sorted;
    for (const Tick& t : m_ticks) sorted.push_back(t.milliseconds);
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double q) { return sorted[static_cast<size_t>(q * static_cast<double>(sorted.size() - 1))]; };
    // Rate over the intervals between the first and the last counted tick.
    const double span = std::chrono::duration<double>(m_ticks.back().start - m_ticks.front().start).count();
    const double fps = span > 0 ? static_cast<double>(m_ticks.size() - 1) / span : 0;
    char line[200];
    std::snprintf(line, sizeof line,
                  "frames %zu in %.2f s: %.1f fps; tick median %.2f ms, p95 %.2f ms; longest gap %.1f ms",
                  m_ticks.size(), span, fps, at(0.5), at(0.95), m_longestGapMs);
    return line;
}
