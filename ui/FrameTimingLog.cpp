// Frame pump measurement: tick durations and frame rate over the first ten seconds.
#include "ui/FrameTimingLog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr double kWindowSeconds = 10.0;
}

FrameTimingLog::FrameTimingLog() {
    m_enabled = std::getenv("FLAREWICK_FRAME_STATS") != nullptr;
}

void FrameTimingLog::tickStarted() {
    if (!m_enabled) return;
    m_start = Clock::now();
    if (m_tickMs.empty()) m_first = m_start;
    if (m_previousStart != Clock::time_point{})
        m_longestGapMs =
            std::max(m_longestGapMs, std::chrono::duration<double, std::milli>(m_start - m_previousStart).count());
    m_previousStart = m_start;
}

void FrameTimingLog::tickEnded() {
    if (!m_enabled) return;
    Clock::time_point end = Clock::now();
    if (std::chrono::duration<double>(m_start - m_first).count() >= kWindowSeconds && !m_tickMs.empty()) return;
    m_tickMs.push_back(std::chrono::duration<double, std::milli>(end - m_start).count());
    m_lastInWindow = m_start;
}

std::string FrameTimingLog::summary() const {
    if (m_tickMs.size() < 2) return "frames: too few ticks to measure";
    std::vector<double> sorted = m_tickMs;
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double q) { return sorted[static_cast<size_t>(q * (sorted.size() - 1))]; };
    // Rate over the intervals between the first and the last counted tick.
    double span = std::chrono::duration<double>(m_lastInWindow - m_first).count();
    double fps = span > 0 ? static_cast<double>(m_tickMs.size() - 1) / span : 0;
    char line[200];
    std::snprintf(line, sizeof line,
                  "frames %zu in %.2f s: %.1f fps; tick median %.2f ms, p95 %.2f ms; longest gap %.1f ms",
                  m_tickMs.size(), span, fps, at(0.5), at(0.95), m_longestGapMs);
    return line;
}
