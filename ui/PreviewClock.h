// The preview's clock: effects paused, stepped one frame at a time, or run faster or slower than the wall clock.
#pragma once

class EngineHost;

// Drives the engine scheduler's time scale, which every effect's update
// sees: the speed factor while running, 0 while paused. Nothing of a saved
// file depends on it.
class PreviewClock {
public:
    static constexpr int kSpeedCount = 6;
    static constexpr int kNormalSpeed = 3;
    // The factors of the speed choices, slowest first.
    static const float kSpeeds[kSpeedCount];
    // A single step is one frame of the game's 60 per second.
    static constexpr float kStepSeconds = 1.0f / 60.0f;

    explicit PreviewClock(EngineHost& host) : m_host(host) {}

    bool paused() const { return m_paused; }
    void setPaused(bool paused);
    // One frame of kStepSeconds of wall time at the chosen speed; only while
    // paused (false otherwise).
    bool step();

    int speedIndex() const { return m_speed; }
    float speed() const { return kSpeeds[m_speed]; }
    // An index outside the choices is ignored.
    void setSpeedIndex(int index);

private:
    void applyTimeScale();

    EngineHost& m_host;
    bool m_paused = false;
    int m_speed = kNormalSpeed;
};
