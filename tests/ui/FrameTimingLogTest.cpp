// The frame statistics printed at close: rate and tick times of the last ten seconds only.
#include <gtest/gtest.h>

#include <chrono>

#include "ui/FrameTimingLog.h"

using namespace std::chrono;
using Clock = FrameTimingLog::Clock;

TEST(FrameTimingLog, SummarisesTheLastTenSecondsBeforeClose) {
    FrameTimingLog log(true);
    Clock::time_point t{};
    // Five slow seconds of start-up: 25 ticks a second of 30 ms each.
    for (int i = 0; i < 125; ++i, t += milliseconds(40)) {
        log.recordTick(t);
        log.record(t, t + milliseconds(30));
    }
    // Then twelve seconds at 50 a second, 4 ms a tick, the last tenth of
    // them 9 ms: only these count.
    for (int i = 0; i < 600; ++i, t += milliseconds(20)) {
        log.recordTick(t);
        log.record(t, t + milliseconds(i % 10 == 9 ? 9 : 4));
    }
    // The longest gap is the whole run's: the start-up's 40 ms.
    EXPECT_EQ(log.summary(), "frames 501 in 10.00 s: 50.0 fps; tick median 4.00 ms, p95 9.00 ms; longest gap 40.0 ms");
}

TEST(FrameTimingLog, AShortRunCountsEveryTickAndOneTickIsTooFew) {
    FrameTimingLog log(true);
    EXPECT_EQ(log.summary(), "frames: too few ticks to measure");
    Clock::time_point t{};
    log.record(t, t + milliseconds(3));
    EXPECT_EQ(log.summary(), "frames: too few ticks to measure");
    for (int i = 1; i < 26; ++i) {
        log.recordTick(t + milliseconds(40 * i));
        log.record(t + milliseconds(40 * i), t + milliseconds(40 * i + 5));
    }
    EXPECT_EQ(log.summary(), "frames 26 in 1.00 s: 25.0 fps; tick median 5.00 ms, p95 5.00 ms; longest gap 40.0 ms");
}

TEST(FrameTimingLog, DisabledRecordsNothingFromThePump) {
    FrameTimingLog log(false);
    log.tickStarted();
    log.frameStarted();
    log.frameEnded();
    log.tickStarted();
    log.frameStarted();
    log.frameEnded();
    EXPECT_FALSE(log.enabled());
    EXPECT_EQ(log.summary(), "frames: too few ticks to measure");
}

TEST(FrameTimingLog, AStillPictureCountsOnlyDrawnFramesAndStallsOnlyOfThePump) {
    FrameTimingLog log(true);
    const Clock::time_point t0{};
    // Ten seconds of a 20 ms pump that draws one tick in fifty.
    for (int i = 0; i <= 500; ++i) {
        const Clock::time_point t = t0 + milliseconds(20 * i);
        log.recordTick(t);
        if (i % 50 == 0) log.record(t, t + milliseconds(6));
    }
    EXPECT_EQ(log.summary(), "frames 11 in 10.00 s: 1.0 fps; tick median 6.00 ms, p95 6.00 ms; longest gap 20.0 ms");
    // A pump held up for 700 ms is a gap even though it had nothing to draw.
    log.recordTick(t0 + seconds(10) + milliseconds(700));
    EXPECT_EQ(log.longestGapMs(), 700.0);
}

TEST(FrameTimingLog, TooFewFramesStillReportThePumpsLongestGap) {
    FrameTimingLog log(true);
    Clock::time_point t{};
    log.recordTick(t);
    log.record(t, t + milliseconds(4));
    log.recordTick(t + milliseconds(20));
    log.recordTick(t + milliseconds(65));
    EXPECT_EQ(log.summary(), "frames: too few ticks to measure; longest gap 45.0 ms");
}

TEST(FrameTimingLog, ASpanMeasuresItsOwnLongestGapOnly) {
    FrameTimingLog log(true);
    Clock::time_point t{};
    // A 300 ms stall before the span does not count in it.
    log.recordTick(t);
    log.recordTick(t += milliseconds(300));
    log.beginSpan(t + milliseconds(5));
    for (int i = 0; i < 10; ++i) log.recordTick(t += milliseconds(i == 6 ? 70 : 20));
    log.endSpan();
    log.recordTick(t += milliseconds(500));
    EXPECT_DOUBLE_EQ(log.spanLongestGapMs(), 70.0);
    EXPECT_DOUBLE_EQ(log.longestGapMs(), 500.0);
    // The wait from the span's start to its first tick is a gap of it.
    log.beginSpan(t);
    log.recordTick(t += milliseconds(90));
    EXPECT_DOUBLE_EQ(log.spanLongestGapMs(), 90.0);
}
