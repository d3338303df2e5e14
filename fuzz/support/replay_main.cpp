// Replays inputs through a harness's entry point, outside the fuzzer: the
// built-in seeds, then every file of the folders (or files) given. Used by
// ctest so that seeds and past findings are run in every build, sanitizers
// included. With --write-seeds DIR it writes the built-in seeds there instead.
//
// It also holds the readers to their memory bound: no single allocation made
// while an input is read may exceed what the input's bytes can justify, so a
// length or count field claiming more than the input holds is a finding.
#include "fuzz_harness.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

std::atomic<size_t> largestAllocation{0};
std::atomic<bool> reading{false};

void *Allocate(size_t size)
{
    size_t largest = largestAllocation.load(std::memory_order_relaxed);
    while (reading && size > largest && !largestAllocation.compare_exchange_weak(largest, size))
        ;
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// Text conversions may triple a text, copies double it, and small tables
// have a fixed size of their own.
constexpr size_t kFixedAllowance = 1 << 20;
constexpr size_t kBytesPerInputByte = 8;

void Replay(const std::string &bytes)
{
    largestAllocation = 0;
    reading = true;
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    reading = false;
    if (largestAllocation > kFixedAllowance + kBytesPerInputByte * bytes.size()) {
        std::fprintf(stderr, "an input of %zu bytes made an allocation of %zu bytes\n", bytes.size(),
                     largestAllocation.load());
        FuzzCheck(false, "memory out of proportion to the input");
    }
}

int WriteSeeds(const std::filesystem::path &folder)
{
    std::filesystem::create_directories(folder);
    std::vector<std::string> seeds = FuzzSeeds();
    for (size_t i = 0; i < seeds.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "seed-%02zu", i + 1);
        std::ofstream(folder / name, std::ios::binary) << seeds[i];
    }
    std::printf("%zu seeds written to %s\n", seeds.size(), folder.c_str());
    return 0;
}

} // namespace

void *operator new(size_t size)
{
    return Allocate(size);
}

void *operator new[](size_t size)
{
    return Allocate(size);
}

// The library's own sorting buffers come through the non-throwing forms; all
// forms must meet the same delete.
void *operator new(size_t size, const std::nothrow_t &) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void *operator new[](size_t size, const std::nothrow_t &) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory, size_t) noexcept
{
    std::free(memory);
}

int main(int argc, char **argv)
{
    gFuzzEndOfReadingHook = [] { reading = false; };
    if (argc == 3 && std::string_view(argv[1]) == "--write-seeds")
        return WriteSeeds(argv[2]);

    size_t replayed = 0;
    for (const std::string &seed : FuzzSeeds()) {
        Replay(seed);
        ++replayed;
    }
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        if (std::filesystem::is_directory(argv[i], error)) {
            for (const auto &entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    files.push_back(entry.path());
        } else if (std::filesystem::is_regular_file(argv[i], error)) {
            files.push_back(argv[i]);
        } else {
            // A misspelt folder would otherwise replay nothing and pass.
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 2;
        }
        std::sort(files.begin(), files.end());
        for (const auto &file : files) {
            std::ifstream input(file, std::ios::binary);
            Replay(std::string(std::istreambuf_iterator<char>(input), {}));
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
