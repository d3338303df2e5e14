#pragma once

#include <cstdint>
#include <random>

// The program's one pseudo-random generator. Start-up seeds it from the clock;
// tests seed it with a fixed value to get repeatable draws.
std::mt19937 &ProgramRandom();
void SeedProgramRandom(uint32_t seed);
void SeedProgramRandomFromClock();

// A uniform integer in [0, bound]; bound must not be negative.
int32_t RandomUpTo(int32_t bound);
