// The preview clock on the engine scheduler's time scale, with single steps queued on the frame pump.
#include "ui/PreviewClock.h"

#include "ui/EngineHost.h"

#include "base/CCDirector.h"
#include "base/CCScheduler.h"

const float PreviewClock::kSpeeds[kSpeedCount] = {0.1f, 0.25f, 0.5f, 1.0f, 2.0f, 4.0f};

void PreviewClock::setPaused(bool paused) {
    m_paused = paused;
    applyTimeScale();
    m_host.requestFrame();
}

bool PreviewClock::step() {
    if (!m_paused) return false;
    m_host.queueStep(kStepSeconds * speed());
    return true;
}

void PreviewClock::setSpeedIndex(int index) {
    if (index < 0 || index >= kSpeedCount) return;
    m_speed = index;
    applyTimeScale();
}

void PreviewClock::applyTimeScale() {
    cocos2d::Director::getInstance()->getScheduler()->setTimeScale(m_paused ? 0.0f : speed());
}
