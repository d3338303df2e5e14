#include "model/stream.h"

#include "model/exception.h"

int64_t TStream::Size()
{
    int64_t here = Position();
    int64_t end = Seek(0, SeekOrigin::End);
    Seek(here, SeekOrigin::Begin);
    return end;
}

void TStream::ReadBuffer(void *buffer, size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(kStreamReadError);
}

void TStream::WriteBuffer(const void *buffer, size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(kStreamWriteError);
}
