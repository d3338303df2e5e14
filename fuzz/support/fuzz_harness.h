#pragma once

// A harness feeds bytes to one reader of the program. Each file in
// fuzz/harnesses defines the two functions below; the shared entry point
// (fuzz_entry.cpp) calls FuzzOne and takes the program's own documented
// errors (every Exception) as the expected refusal. Anything else is a
// finding: a crash, a sanitizer report, a foreign exception escaping, a
// failed FuzzCheck, a hang or runaway memory (the fuzzer's limits).

#include "model/exception.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Small valid inputs made by the program itself: the seed corpus, written to
// fuzz/corpus/<harness> by `replay_<harness> --write-seeds DIR` and replayed
// from memory by every replay run.
std::vector<std::string> FuzzSeeds();

// Feeds one input to the reader. May raise any Exception.
void FuzzOne(std::string_view data);

// A property the reader must keep whatever the input: when it does not hold,
// the message goes to standard error and the run aborts (a finding).
void FuzzCheck(bool holds, const char *what);

// Marks the end of the reading in FuzzOne when more work follows (a
// generation run with the settings read): the memory bound the replay
// programs check applies to the reading only.
void FuzzEndOfReading();
extern void (*gFuzzEndOfReadingHook)();

// The bytes write(stream) puts on a fresh memory stream.
template <typename Write> std::string StreamBytes(Write &&write)
{
    TMemoryStream stream;
    write(static_cast<TStream &>(stream));
    return stream.Bytes();
}

// The bytes write(writer) puts on a fresh memory stream as typed values.
template <typename Write> std::string ValueBytes(Write &&write)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        write(writer);
    }
    return stream.Bytes();
}
