#include "model/program_random.h"

#include <chrono>

std::mt19937 &ProgramRandom()
{
    static std::mt19937 generator(5489u);
    return generator;
}

void SeedProgramRandom(uint32_t seed)
{
    ProgramRandom().seed(seed);
}

void SeedProgramRandomFromClock()
{
    auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    SeedProgramRandom(static_cast<uint32_t>(ticks ^ (ticks >> 32)));
}

int32_t RandomUpTo(int32_t bound)
{
    std::uniform_int_distribution<int32_t> distribution(0, bound);
    return distribution(ProgramRandom());
}
