#pragma once

#include "model/stream.h"

#include <functional>

// Reads through another stream and tells how far it got, so that a long load
// can show progress and be stopped: the handler may raise, which ends the read.
class TProgressStream : public TStream {
public:
    using Handler = std::function<void(int64_t done, int64_t total)>;

    // total: the inner stream's size, taken once here. The handler hears of
    // every megabyte read, and of the end.
    TProgressStream(TStream &inner, Handler handler);

    size_t Read(void *buffer, size_t count) override;
    size_t Write(const void *buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

private:
    TStream &inner_;
    Handler handler_;
    int64_t total_ = 0;
    int64_t position_ = 0; // kept here: asking the inner stream costs a system call
    int64_t reported_ = 0;
};
