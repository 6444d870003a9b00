// Deadline arithmetic of the frame pump.
#include "ui/FramePacer.h"

#include <algorithm>

FramePacer::FramePacer(Clock::duration period) : m_period(std::max(period, Clock::duration(1))) {}

FramePacer::Clock::duration FramePacer::start(Clock::time_point now) {
    m_next = now + m_period;
    return m_period;
}

FramePacer::Clock::duration FramePacer::startNow(Clock::time_point now) {
    m_next = now;
    return Clock::duration::zero();
}

FramePacer::Clock::duration FramePacer::nextWait(Clock::time_point now) {
    m_next += m_period;
    if (m_next <= now) {
        // A stall: the deadlines already passed are dropped and the grid
        // goes on from the first one ahead, in the same phase.
        const auto passed = (now - m_next) / m_period + 1;
        m_missed += static_cast<long>(passed);
        m_next += passed * m_period;
    }
    return m_next - now;
}

int FramePacer::toTimerMilliseconds(Clock::duration wait) {
    using namespace std::chrono;
    const long long ms = duration_cast<microseconds>(wait).count() / 1000 +
                         (duration_cast<microseconds>(wait).count() % 1000 >= 500 ? 1 : 0);
    return static_cast<int>(std::max(1LL, std::min(ms, 60000LL)));
}
