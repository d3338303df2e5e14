#include "generator/generation_engine.h"
#include "support/bench_support.h"

#include <cstdio>

int main()
{
    std::printf("processors: %u\n", ProcessorCount());
    BetMask all = kNumberBits | kStarBits;
    struct Case { const char *name; int global, b1, b2; };
    Case cases[] = {{"none", 0, 0, 0}, {"g6", 6, 0, 0}, {"g5", 5, 0, 0}, {"g4", 4, 0, 0}, {"g3", 3, 0, 0},
                    {"b42", 0, 4, 2}, {"b41", 0, 4, 1}, {"b32", 0, 3, 2}};
    for (const Case &c : cases) {
        BenchTimer timer;
        TCoverageIndex index = c.global ? TCoverageIndex::ForGlobal(c.global) : TCoverageIndex::ForBlocks(c.b1 ? c.b1 : 5, c.b1 ? c.b2 : 2);
        TGenerationEngine engine(all, nullptr, (c.global || c.b1) ? &index : nullptr);
        TProgressThrottle throttle;
        engine.Run(throttle, [] { return false; });
        std::printf("%s generated=%d valid=%d kept=%zu seconds=%.2f peak=%.0fMB\n", c.name, engine.Generated(),
                    engine.Valid(), engine.Pending().size(), timer.Seconds(), PeakResidentMegabytes());
    }
}
