#include "model/progress_stream.h"

#include <utility>

TProgressStream::TProgressStream(TStream &inner, Handler handler)
    : inner_(inner), handler_(std::move(handler)), total_(inner.Size())
{
}

size_t TProgressStream::Read(void *buffer, size_t count)
{
    const size_t read = inner_.Read(buffer, count);
    if (handler_)
        handler_(inner_.Position(), total_);
    return read;
}

size_t TProgressStream::Write(const void *buffer, size_t count)
{
    return inner_.Write(buffer, count);
}

int64_t TProgressStream::Seek(int64_t offset, SeekOrigin origin)
{
    return inner_.Seek(offset, origin);
}
