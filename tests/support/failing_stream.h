#pragma once

#include "model/stream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// A stream that takes the first limit bytes and refuses the rest, as a full
// disk does.
class TFailingStream : public TStream {
public:
    explicit TFailingStream(size_t limit) : limit_(limit) {}
    size_t Read(void *, size_t) override { return 0; }
    size_t Write(const void *, size_t count) override
    {
        size_t taken = std::min(count, limit_ - std::min(limit_, position_));
        position_ += taken;
        size_ = std::max(size_, position_);
        return taken;
    }
    int64_t Seek(int64_t offset, SeekOrigin origin) override
    {
        int64_t base = origin == SeekOrigin::Begin     ? 0
                       : origin == SeekOrigin::Current ? static_cast<int64_t>(position_)
                                                       : static_cast<int64_t>(size_);
        position_ = static_cast<size_t>(std::max<int64_t>(0, base + offset));
        return static_cast<int64_t>(position_);
    }

private:
    size_t limit_;
    size_t position_ = 0;
    size_t size_ = 0;
};
