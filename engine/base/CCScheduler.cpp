// Scheduler: per-frame updates, timers and functions posted for the engine thread.
#include "base/CCScheduler.h"

#include <algorithm>

#include "base/ccMacros.h"

NS_CC_BEGIN

const int Scheduler::PRIORITY_SYSTEM = INT_MIN;
const int Scheduler::PRIORITY_NON_SYSTEM_MIN = PRIORITY_SYSTEM + 1;

Scheduler::Scheduler() : _timeScale(1.0f), _updateLocked(false) {
    _functionsToPerform.reserve(30);
}

Scheduler::~Scheduler() {
    unscheduleAll();
}

Scheduler::UpdateEntry* Scheduler::findUpdate(const void* target) {
    for (auto& u : _updates) {
        if (u.target == target && !u.markedForDeletion) return &u;
    }
    return nullptr;
}

Scheduler::TimerEntry* Scheduler::findTimer(const void* target, const std::string& key, SEL_SCHEDULE selector) {
    for (auto& t : _timers) {
        if (t.target == target && !t.markedForDeletion && t.key == key && t.selector == selector) return &t;
    }
    return nullptr;
}

const Scheduler::TimerEntry* Scheduler::findTimer(const void* target, const std::string& key,
                                                  SEL_SCHEDULE selector) const {
    return const_cast<Scheduler*>(this)->findTimer(target, key, selector);
}

void Scheduler::schedulePerFrame(const ccSchedulerFunc& callback, void* target, int priority, bool paused) {
    if (UpdateEntry* existing = findUpdate(target)) {
        if (existing->priority == priority) {
            existing->callback = callback;
            return;
        }
        // A different priority: drop the old entry and add anew, as the engine does.
        unscheduleUpdate(target);
    }
    UpdateEntry entry{callback, target, priority, paused, false};
    auto pos = std::upper_bound(_updates.begin(), _updates.end(), priority,
                                [](int p, const UpdateEntry& e) { return p < e.priority; });
    _updates.insert(pos, entry);
}

void Scheduler::addTimer(TimerEntry entry) {
    if (TimerEntry* existing = findTimer(entry.target, entry.key, entry.selector)) {
        // Rescheduling changes the interval only, as the engine does.
        existing->interval = entry.interval;
        return;
    }
    _timers.push_back(entry);
}

void Scheduler::schedule(const ccSchedulerFunc& callback, void* target, float interval, unsigned int repeat,
                         float delay, bool paused, const std::string& key) {
    CCASSERT(target, "Argument target must be non-nullptr");
    CCASSERT(!key.empty(), "key should not be empty!");
    TimerEntry t{callback, target, key, nullptr, interval, -1.0f, delay, repeat, 0u,
                 repeat == CC_REPEAT_FOREVER, delay > 0.0f, paused, false};
    addTimer(t);
}

void Scheduler::schedule(const ccSchedulerFunc& callback, void* target, float interval, bool paused,
                         const std::string& key) {
    schedule(callback, target, interval, CC_REPEAT_FOREVER, 0.0f, paused, key);
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay,
                         bool paused) {
    CCASSERT(target, "Argument target must be non-nullptr");
    ccSchedulerFunc cb = [target, selector](float dt) { (target->*selector)(dt); };
    TimerEntry t{cb, target, std::string(), selector, interval, -1.0f, delay, repeat, 0u,
                 repeat == CC_REPEAT_FOREVER, delay > 0.0f, paused, false};
    addTimer(t);
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, bool paused) {
    schedule(selector, target, interval, CC_REPEAT_FOREVER, 0.0f, paused);
}

void Scheduler::unschedule(const std::string& key, void* target) {
    if (target == nullptr || key.empty()) return;
    if (TimerEntry* t = findTimer(target, key, nullptr)) t->markedForDeletion = true;
    if (!_updateLocked) purgeDeleted();
}

void Scheduler::unschedule(SEL_SCHEDULE selector, Ref* target) {
    if (target == nullptr || selector == nullptr) return;
    if (TimerEntry* t = findTimer(target, std::string(), selector)) t->markedForDeletion = true;
    if (!_updateLocked) purgeDeleted();
}

void Scheduler::unscheduleUpdate(void* target) {
    if (target == nullptr) return;
    for (auto& u : _updates) {
        if (u.target == target) u.markedForDeletion = true;
    }
    if (!_updateLocked) purgeDeleted();
}

void Scheduler::unscheduleAllForTarget(void* target) {
    if (target == nullptr) return;
    for (auto& t : _timers) {
        if (t.target == target) t.markedForDeletion = true;
    }
    unscheduleUpdate(target);
}

void Scheduler::unscheduleAll() {
    unscheduleAllWithMinPriority(PRIORITY_SYSTEM);
}

void Scheduler::unscheduleAllWithMinPriority(int minPriority) {
    for (auto& t : _timers) t.markedForDeletion = true;
    for (auto& u : _updates) {
        if (u.priority >= minPriority) u.markedForDeletion = true;
    }
    if (!_updateLocked) purgeDeleted();
}

bool Scheduler::isScheduled(const std::string& key, const void* target) const {
    return findTimer(target, key, nullptr) != nullptr;
}

bool Scheduler::isScheduled(SEL_SCHEDULE selector, const Ref* target) const {
    return findTimer(target, std::string(), selector) != nullptr;
}

void Scheduler::pauseTarget(void* target) {
    for (auto& t : _timers) {
        if (t.target == target) t.paused = true;
    }
    for (auto& u : _updates) {
        if (u.target == target) u.paused = true;
    }
}

void Scheduler::resumeTarget(void* target) {
    for (auto& t : _timers) {
        if (t.target == target) t.paused = false;
    }
    for (auto& u : _updates) {
        if (u.target == target) u.paused = false;
    }
}

bool Scheduler::isTargetPaused(void* target) {
    for (auto& u : _updates) {
        if (u.target == target && !u.markedForDeletion) return u.paused;
    }
    for (auto& t : _timers) {
        if (t.target == target && !t.markedForDeletion) return t.paused;
    }
    return false;
}

void Scheduler::performFunctionInCocosThread(std::function<void()> function) {
    std::lock_guard<std::mutex> lock(_performMutex);
    _functionsToPerform.push_back(std::move(function));
}

void Scheduler::removeAllFunctionsToBePerformedInCocosThread() {
    std::lock_guard<std::mutex> lock(_performMutex);
    _functionsToPerform.clear();
}

void Scheduler::trigger(TimerEntry& t, float dt) {
    // Mirrors the engine's Timer::update: the first call only starts the clock.
    if (t.elapsed == -1.0f) {
        t.elapsed = 0.0f;
        t.timesExecuted = 0;
        return;
    }
    t.elapsed += dt;
    if (t.useDelay) {
        if (t.elapsed < t.delay) return;
        t.callback(t.elapsed);
        t.elapsed -= t.delay;
        t.timesExecuted += 1;
        t.useDelay = false;
        if (!t.runForever && t.timesExecuted > t.repeat) {
            t.markedForDeletion = true;
            return;
        }
    }
    float interval = (t.interval > 0) ? t.interval : t.elapsed;
    while (t.elapsed >= interval && !t.markedForDeletion) {
        t.callback(interval);
        t.elapsed -= interval;
        t.timesExecuted += 1;
        if (!t.runForever && t.timesExecuted > t.repeat) {
            t.markedForDeletion = true;
            break;
        }
        if (t.elapsed <= 0.f) break;
    }
}

void Scheduler::update(float dt) {
    _updateLocked = true;
    if (_timeScale != 1.0f) dt *= _timeScale;

    // Entries added during this loop wait for the next frame; removed ones do not run.
    std::vector<void*> targets;
    targets.reserve(_updates.size());
    for (const auto& u : _updates) targets.push_back(u.target);
    for (void* target : targets) {
        UpdateEntry* u = findUpdate(target);
        if (u && !u->paused) {
            ccSchedulerFunc cb = u->callback;  // the entry may move while it runs
            cb(dt);
        }
    }

    size_t timerCount = _timers.size();
    for (size_t i = 0; i < timerCount && i < _timers.size(); ++i) {
        if (_timers[i].paused || _timers[i].markedForDeletion) continue;
        TimerEntry t = _timers[i];
        trigger(t, dt);
        // Write back unless the callback unscheduled it meanwhile.
        if (i < _timers.size() && !_timers[i].markedForDeletion) {
            t.markedForDeletion = t.markedForDeletion || _timers[i].markedForDeletion;
            _timers[i].elapsed = t.elapsed;
            _timers[i].timesExecuted = t.timesExecuted;
            _timers[i].useDelay = t.useDelay;
            _timers[i].markedForDeletion = t.markedForDeletion;
        }
    }

    _updateLocked = false;
    purgeDeleted();

    // Other threads (the HTTP client's worker) add to the list under the
    // lock; it is read only under the lock too. The functions run outside it,
    // so that they may queue further work.
    std::vector<std::function<void()>> temp;
    {
        std::lock_guard<std::mutex> lock(_performMutex);
        temp.swap(_functionsToPerform);
    }
    for (const auto& function : temp) {
        function();
    }
}

void Scheduler::purgeDeleted() {
    _updates.erase(std::remove_if(_updates.begin(), _updates.end(),
                                  [](const UpdateEntry& u) { return u.markedForDeletion; }),
                   _updates.end());
    _timers.erase(std::remove_if(_timers.begin(), _timers.end(),
                                 [](const TimerEntry& t) { return t.markedForDeletion; }),
                  _timers.end());
}

NS_CC_END
