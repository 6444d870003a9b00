// Deadline arithmetic of the frame pump.
#include "ui/FramePacer.h"

#include <algorithm>

FramePacer::FramePacer(Clock::duration period) : m_period(std::max(period, Clock::duration(1))) {}

FramePacer::Clock::duration FramePacer::start(Clock::time_point now) {
    m_next = now + m_period;
    return m_period;
}

FramePacer::Clock::duration FramePacer::afterTick(Clock::time_point now) {
    m_next += m_period;
    if (now < m_next) return m_next - now;
    const Clock::duration late = now - m_next;
    if (late >= m_period) {
        // Too far behind to catch up: the missed deadlines are dropped and
        // the grid restarts here.
        m_missed += static_cast<long>(late / m_period);
        m_next = now;
    }
    return Clock::duration::zero();
}

int FramePacer::toTimerMilliseconds(Clock::duration wait) {
    using namespace std::chrono;
    const long long ms = duration_cast<microseconds>(wait).count() / 1000 +
                         (duration_cast<microseconds>(wait).count() % 1000 >= 500 ? 1 : 0);
    return static_cast<int>(std::max(1LL, std::min(ms, 60000LL)));
}
