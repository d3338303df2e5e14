#pragma once

#include <QIODevice>

class TStream;

// A write-only QIODevice over one of the core's byte streams, so that Qt
// writers can write through the core's safe save. Remembers a short write.
class TStreamDevice : public QIODevice {
public:
    explicit TStreamDevice(TStream &stream);
    bool Failed() const { return failed_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    TStream &stream_;
    bool failed_ = false;
};
