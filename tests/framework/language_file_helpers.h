#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

// A file in the test's temporary folder, removed when the test ends.
class TTemporaryFile {
public:
    TTemporaryFile(std::string_view name, std::string_view content)
        : path_(::testing::TempDir() + "qor_" + std::to_string(++counter_) + "_" + std::string(name))
    {
        std::ofstream out(path_, std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    ~TTemporaryFile() { std::remove(path_.c_str()); }
    TTemporaryFile(const TTemporaryFile &) = delete;
    TTemporaryFile &operator=(const TTemporaryFile &) = delete;

    const std::string &Path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::string path_;
};

inline std::string LanguageFile(std::string_view entries)
{
    return "QOR-EuroMillon language 1\n" + std::string(entries);
}
