#include "report/render/stream_device.h"

#include "model/stream.h"

TStreamDevice::TStreamDevice(TStream &stream) : stream_(stream) {}

qint64 TStreamDevice::readData(char *, qint64)
{
    return -1;
}

qint64 TStreamDevice::writeData(const char *data, qint64 size)
{
    const size_t written = stream_.Write(data, static_cast<size_t>(size));
    if (written != static_cast<size_t>(size))
        failed_ = true;
    return failed_ ? -1 : static_cast<qint64>(written);
}
