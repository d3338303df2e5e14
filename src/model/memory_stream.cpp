#include "model/memory_stream.h"

#include <algorithm>
#include <cstring>

size_t TMemoryStream::Read(void *buffer, size_t count)
{
    if (position_ >= data_.size())
        return 0;
    size_t n = std::min(count, data_.size() - position_);
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

size_t TMemoryStream::Write(const void *buffer, size_t count)
{
    if (count == 0)
        return 0;
    if (position_ + count > data_.size())
        data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin)
{
    int64_t base = origin == SeekOrigin::Begin     ? 0
                   : origin == SeekOrigin::Current ? static_cast<int64_t>(position_)
                                                   : static_cast<int64_t>(data_.size());
    int64_t target = base + offset;
    position_ = target < 0 ? 0 : static_cast<size_t>(target);
    return static_cast<int64_t>(position_);
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}
