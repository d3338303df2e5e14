#include "model/progress_throttle.h"

#include <chrono>

uint64_t SystemTickCount()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TProgressThrottle::TProgressThrottle(TTickSource clock, uint32_t sampleEvery)
    : clock_(std::move(clock)), sampleEvery_(sampleEvery == 0 ? 1 : sampleEvery)
{
}

void TProgressThrottle::Restart()
{
    countdown_ = 1;
    recorded_ = 0;
}
