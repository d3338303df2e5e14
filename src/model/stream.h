#pragma once

#include <cstddef>
#include <cstdint>

enum class SeekOrigin { Begin, Current, End };

// A byte stream owned by the caller: a file or a block of memory. Formats write
// raw bytes (their signature) directly and hand the same stream to a TWriter
// or TReader for the typed values.
class TStream {
public:
    virtual ~TStream() = default;

    // Moves up to count bytes; returns how many were moved (fewer at the end of
    // the data or when the device refuses).
    virtual size_t Read(void *buffer, size_t count) = 0;
    virtual size_t Write(const void *buffer, size_t count) = 0;
    // Returns the new position.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, SeekOrigin::Begin); }
    int64_t Size();

    // Raise EReadError "Stream read error" / EWriteError "Stream write error"
    // when the whole count cannot be moved.
    void ReadBuffer(void *buffer, size_t count);
    void WriteBuffer(const void *buffer, size_t count);
};
