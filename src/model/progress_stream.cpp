#include "model/progress_stream.h"

#include <utility>

TProgressStream::TProgressStream(TStream &inner, Handler handler)
    : inner_(inner), handler_(std::move(handler)), total_(inner.Size()), position_(inner.Position())
{
}

size_t TProgressStream::Read(void *buffer, size_t count)
{
    constexpr int64_t kReportEvery = 1 << 20;
    const size_t read = inner_.Read(buffer, count);
    position_ += static_cast<int64_t>(read);
    if (handler_ && (position_ - reported_ >= kReportEvery || read < count)) {
        reported_ = position_;
        handler_(position_, total_);
    }
    return read;
}

size_t TProgressStream::Write(const void *buffer, size_t count)
{
    const size_t written = inner_.Write(buffer, count);
    position_ += static_cast<int64_t>(written);
    return written;
}

int64_t TProgressStream::Seek(int64_t offset, SeekOrigin origin)
{
    position_ = inner_.Seek(offset, origin);
    return position_;
}
