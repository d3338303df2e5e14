#pragma once

#include <array>
#include <cstdint>
#include <string>

class TStream;

// Tag byte in front of every typed value.
enum TValueTag : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
};

inline constexpr size_t kValueBufferSize = 1024;

// Appends typed values at the stream's position through a 1024-byte buffer.
// Texts are UTF-8 in memory and Windows-1252 on the stream ("?" for what it
// cannot hold). Raises EWriteError "Stream write error" when the stream takes
// fewer bytes than handed. Destruction flushes; while no other error is in
// flight a failure of that last flush is raised too.
class TWriter {
public:
    explicit TWriter(TStream &stream);
    ~TWriter() noexcept(false);
    TWriter(const TWriter &) = delete;
    TWriter &operator=(const TWriter &) = delete;

    void PutListStart();
    void PutListEnd();
    void PutInteger(int32_t value);
    void PutString(const std::string &text);
    void PutIdent(const std::string &text);
    void PutBoolean(bool value);
    void PutDate(double value);
    void PutCurrency(int64_t scaledAmount);
    void PutExtended(double value);
    void PutSingle(float value);
    void Flush();

private:
    void PutTag(TValueTag tag) { PutBytes(&tag, 1); }
    void PutBytes(const void *data, size_t count);
    template <typename T> void PutLittleEndian(T value);

    TStream &stream_;
    std::array<uint8_t, kValueBufferSize> buffer_{};
    size_t used_ = 0;
    int uncaughtAtStart_;
};

// Consumes typed values from the stream's position through a 1024-byte
// read-ahead buffer. Raises EReadError "Invalid property value" for a tag the
// operation does not accept and "Stream read error" when the stream ends
// early. Lengths are never trusted: a text claiming more bytes than the stream
// holds fails without reserving that much. Destruction moves the stream back
// to the logical position, so unconsumed bytes are there for the next reader.
class TReader {
public:
    explicit TReader(TStream &stream);
    ~TReader();
    TReader(const TReader &) = delete;
    TReader &operator=(const TReader &) = delete;

    void GetListStart();
    void GetListEnd();
    bool AtListEnd();
    TValueTag PeekTag();
    int32_t GetInteger();
    std::string GetString();
    std::string GetIdent();
    // A labelled pair of a record: the label (an identifier) is read and not
    // compared, since only the order of the pairs counts; then its value.
    int32_t GetLabelledInteger();
    std::string GetLabelledString();
    bool GetBoolean();
    double GetDate();
    int64_t GetCurrency();
    double GetExtended();
    float GetSingle();
    // Consumes one whole value of any kind, lists included.
    void SkipValue();

    int64_t Position();
    void Flush();

private:
    TValueTag GetTag();
    void GetBytes(void *data, size_t count);
    void SkipBytes(uint64_t count);
    std::string GetText(uint64_t length);
    template <typename T> T GetLittleEndian();
    int32_t IntegerPayload(TValueTag tag);
    void ExpectTag(TValueTag wanted);
    bool Refill();

    TStream &stream_;
    std::array<uint8_t, kValueBufferSize> buffer_{};
    size_t position_ = 0;
    size_t end_ = 0;
};
