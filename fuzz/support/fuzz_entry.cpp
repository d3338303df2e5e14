// The entry point shared by the libFuzzer programs and the replay programs.
#include "fuzz_harness.h"

#include "model/exception.h"

#include <cstdio>
#include <cstdlib>

void FuzzCheck(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void (*gFuzzEndOfReadingHook)() = nullptr;

void FuzzEndOfReading()
{
    if (gFuzzEndOfReadingHook)
        gFuzzEndOfReadingHook();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        FuzzOne(std::string_view(reinterpret_cast<const char *>(data), size));
    } catch (const Exception &) {
        // A documented refusal of a bad input.
    }
    return 0;
}
