#pragma once

#include <cstdint>
#include <functional>

// Milliseconds of a monotonic clock, like the system's tick count.
using TTickSource = std::function<uint64_t()>;

uint64_t SystemTickCount();

// Decides when a long run reports its progress: only when the clock has moved
// more than 250 ms past the tick recorded at the previous report. The
// recorded tick starts at 0, so the first candidate of a run is reported.
// Reading the clock costs far more than handling one candidate, so it is read
// once every `sampleEvery` calls of Due() (the first call included); a report
// is therefore late by at most that many candidates.
class TProgressThrottle {
public:
    static constexpr uint64_t kIntervalMs = 250;

    explicit TProgressThrottle(TTickSource clock = SystemTickCount, uint32_t sampleEvery = 1024);

    // Starts a run: recorded tick 0, the next Due() reads the clock.
    void Restart();

    // Called once per candidate; true when a report is due.
    bool Due()
    {
        if (--countdown_ != 0)
            return false;
        countdown_ = sampleEvery_;
        return clock_() > recorded_ + kIntervalMs;
    }

    // Records the current tick; called after each report.
    void Reported() { recorded_ = clock_(); }

private:
    TTickSource clock_;
    uint32_t sampleEvery_;
    uint32_t countdown_ = 1;
    uint64_t recorded_ = 0;
};
