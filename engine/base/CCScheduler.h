// Scheduler: per-frame updates, timed callbacks and functions posted from other threads.
#ifndef __CCSCHEDULER_H__
#define __CCSCHEDULER_H__

#include <climits>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "base/CCRef.h"

NS_CC_BEGIN

typedef std::function<void(float)> ccSchedulerFunc;

class CC_DLL Scheduler : public Ref {
public:
    // Priority of the engine's own updates (they run before everything else).
    static const int PRIORITY_SYSTEM;
    static const int PRIORITY_NON_SYSTEM_MIN;

    Scheduler();
    virtual ~Scheduler();

    float getTimeScale() { return _timeScale; }
    void setTimeScale(float timeScale) { _timeScale = timeScale; }

    // One frame: per-frame updates in priority order (negative, 0, positive),
    // then the timed callbacks, then the functions posted for this thread.
    void update(float dt);

    // ---- timed callbacks ----
    void schedule(const ccSchedulerFunc& callback, void* target, float interval, unsigned int repeat, float delay,
                  bool paused, const std::string& key);
    void schedule(const ccSchedulerFunc& callback, void* target, float interval, bool paused, const std::string& key);
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay, bool paused);
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, bool paused);

    // ---- per-frame updates: target->update(dt) ----
    template <class T>
    void scheduleUpdate(T* target, int priority, bool paused) {
        this->schedulePerFrame([target](float dt) { target->update(dt); }, target, priority, paused);
    }

    void unschedule(const std::string& key, void* target);
    void unschedule(SEL_SCHEDULE selector, Ref* target);
    void unscheduleUpdate(void* target);
    void unscheduleAllForTarget(void* target);
    void unscheduleAll();
    void unscheduleAllWithMinPriority(int minPriority);

    bool isScheduled(const std::string& key, const void* target) const;
    bool isScheduled(SEL_SCHEDULE selector, const Ref* target) const;

    void pauseTarget(void* target);
    void resumeTarget(void* target);
    bool isTargetPaused(void* target);

    // Runs the function on the engine's thread at the end of the next update.
    void performFunctionInCocosThread(std::function<void()> function);
    void removeAllFunctionsToBePerformedInCocosThread();

    void schedulePerFrame(const ccSchedulerFunc& callback, void* target, int priority, bool paused);

protected:
    struct UpdateEntry {
        ccSchedulerFunc callback;
        void* target;
        int priority;
        bool paused;
        bool markedForDeletion;
    };
    struct TimerEntry {
        ccSchedulerFunc callback;
        void* target;
        std::string key;
        SEL_SCHEDULE selector;
        float interval;
        float elapsed;
        float delay;
        unsigned int repeat;
        unsigned int timesExecuted;
        bool runForever;
        bool useDelay;
        bool paused;
        bool markedForDeletion;
    };

    UpdateEntry* findUpdate(const void* target);
    TimerEntry* findTimer(const void* target, const std::string& key, SEL_SCHEDULE selector);
    const TimerEntry* findTimer(const void* target, const std::string& key, SEL_SCHEDULE selector) const;
    void addTimer(TimerEntry entry);
    void trigger(TimerEntry& t, float dt);
    void purgeDeleted();

    float _timeScale;
    std::vector<UpdateEntry> _updates;  // sorted by priority, stable
    std::vector<TimerEntry> _timers;
    bool _updateLocked;

    std::vector<std::function<void()>> _functionsToPerform;
    std::mutex _performMutex;
};

NS_CC_END

#endif  // __CCSCHEDULER_H__
