#pragma once

#include "model/stream.h"

#include <string>
#include <string_view>
#include <vector>

// A growable stream in memory, used to copy objects through their stream form
// and by the tests to look at exact bytes.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string_view bytes) : data_(bytes.begin(), bytes.end()) {}

    size_t Read(void *buffer, size_t count) override;
    size_t Write(const void *buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    const std::vector<unsigned char> &Data() const { return data_; }
    std::string Bytes() const { return std::string(data_.begin(), data_.end()); }
    void Clear();

private:
    std::vector<unsigned char> data_;
    size_t position_ = 0;
};
