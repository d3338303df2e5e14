#pragma once

#include "model/bet_mask.h"
#include "model/stream.h"

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

// A fresh folder per test for the files it reads and writes.
class ExchangeFolderTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }
    size_t FilesInFolder() const
    {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                 std::filesystem::directory_iterator()));
    }

    TTempFolder temp_{"qor-exchange"};
    std::filesystem::path folder_ = temp_.Root();
};

// count complete bets from a fixed seed, spread over the whole ticket.
inline std::vector<BetMask> RandomBets(size_t count, uint32_t seed = 20241222)
{
    std::vector<BetMask> bets;
    bets.reserve(count);
    uint32_t state = seed;
    auto next = [&state](int bound) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<uint32_t>(bound)) + 1;
    };
    while (bets.size() < count) {
        BetMask bet = 0;
        while (CountNumbers(bet) < 5)
            bet |= NumberBit(next(50));
        while (CountStars(bet) < 2)
            bet |= StarBit(next(9));
        bets.push_back(bet);
    }
    return bets;
}

// Hands out its bytes a few at a time, so that line ends fall across reads.
class TrickleStream : public TStream {
public:
    TrickleStream(std::string bytes, size_t step) : bytes_(std::move(bytes)), step_(step) {}
    size_t Read(void *buffer, size_t count) override
    {
        const size_t n = std::min({count, step_, bytes_.size() - position_});
        bytes_.copy(static_cast<char *>(buffer), n, position_);
        position_ += n;
        return n;
    }
    size_t Write(const void *, size_t) override { return 0; }
    int64_t Seek(int64_t, SeekOrigin) override { return static_cast<int64_t>(position_); }

private:
    std::string bytes_;
    size_t step_;
    size_t position_ = 0;
};

// Runs a Python snippet of the system's own interpreter with the workbook's
// path as its argument and returns what it printed.
inline std::string RunPython(const std::string &script, const std::string &path)
{
    const std::string command = std::string(QOR_SYSTEM_PYTHON) + " -c '" + script + "' '" + path + "' 2>&1";
    std::string out;
    if (FILE *pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// Every sheet, its extent, and every cell with the type of its value.
inline const char *kDumpWorkbook = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print("sheets", book.sheetnames)
for sheet in book.worksheets:
    print("extent", sheet.dimensions, sheet.max_row, sheet.max_column)
    for row in sheet.iter_rows():
        print(" ".join("%s:%s" % (type(c.value).__name__, c.value) for c in row))
)";
