#include "model/value_stream.h"

#include "model/cp1252.h"
#include "model/exception.h"
#include "model/extended_float.h"
#include "model/stream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <strings.h>

namespace {

bool SameIdent(const std::string &a, const char *b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

[[noreturn]] void InvalidValue()
{
    throw EReadError(kInvalidPropertyValue);
}

} // namespace

// ---- TWriter ---------------------------------------------------------------

TWriter::TWriter(TStream &stream) : stream_(stream), uncaughtAtStart_(std::uncaught_exceptions()) {}

TWriter::~TWriter() noexcept(false)
{
    if (std::uncaught_exceptions() > uncaughtAtStart_) {
        try {
            Flush();
        } catch (...) {
            // The error already in flight is the one the caller needs.
        }
        return;
    }
    Flush();
}

void TWriter::PutBytes(const void *data, size_t count)
{
    auto bytes = static_cast<const uint8_t *>(data);
    while (count > 0) {
        if (used_ == buffer_.size())
            Flush();
        size_t n = std::min(count, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes, n);
        used_ += n;
        bytes += n;
        count -= n;
    }
}

template <typename T> void TWriter::PutLittleEndian(T value)
{
    uint8_t bytes[sizeof(T)];
    auto raw = std::bit_cast<std::array<uint8_t, sizeof(T)>>(value);
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(raw.begin(), raw.end());
    std::memcpy(bytes, raw.data(), sizeof(T));
    PutBytes(bytes, sizeof(T));
}

void TWriter::Flush()
{
    if (used_ == 0)
        return;
    size_t count = used_;
    used_ = 0; // a failed flush must not be retried by the destructor
    stream_.WriteBuffer(buffer_.data(), count);
}

void TWriter::PutListStart()
{
    PutTag(vaList);
}

void TWriter::PutListEnd()
{
    PutTag(vaNull);
}

void TWriter::PutInteger(int32_t value)
{
    if (value >= -128 && value <= 127) {
        PutTag(vaInt8);
        PutLittleEndian(static_cast<int8_t>(value));
    } else if (value >= -32768 && value <= 32767) {
        PutTag(vaInt16);
        PutLittleEndian(static_cast<int16_t>(value));
    } else {
        PutTag(vaInt32);
        PutLittleEndian(value);
    }
}

void TWriter::PutString(const std::string &text)
{
    std::string bytes = Utf8ToCp1252(text);
    if (bytes.size() <= 255) {
        PutTag(vaString);
        PutLittleEndian(static_cast<uint8_t>(bytes.size()));
    } else {
        PutTag(vaLString);
        PutLittleEndian(static_cast<int32_t>(bytes.size()));
    }
    PutBytes(bytes.data(), bytes.size());
}

void TWriter::PutIdent(const std::string &text)
{
    if (SameIdent(text, "False"))
        return PutTag(vaFalse);
    if (SameIdent(text, "True"))
        return PutTag(vaTrue);
    if (SameIdent(text, "Null"))
        return PutTag(vaNull);
    if (SameIdent(text, "nil"))
        return PutTag(vaNil);
    std::string bytes = Utf8ToCp1252(text);
    if (bytes.size() > 255)
        bytes.resize(255);
    PutTag(vaIdent);
    PutLittleEndian(static_cast<uint8_t>(bytes.size()));
    PutBytes(bytes.data(), bytes.size());
}

void TWriter::PutBoolean(bool value)
{
    PutTag(value ? vaTrue : vaFalse);
}

void TWriter::PutDate(double value)
{
    PutTag(vaDate);
    PutLittleEndian(value);
}

void TWriter::PutCurrency(int64_t scaledAmount)
{
    PutTag(vaCurrency);
    PutLittleEndian(scaledAmount);
}

void TWriter::PutExtended(double value)
{
    PutTag(vaExtended);
    ExtendedBytes bytes = DoubleToExtended(value);
    PutBytes(bytes.data(), bytes.size());
}

void TWriter::PutSingle(float value)
{
    PutTag(vaSingle);
    PutLittleEndian(value);
}

// ---- TReader ---------------------------------------------------------------

TReader::TReader(TStream &stream) : stream_(stream) {}

TReader::~TReader()
{
    try {
        Flush();
    } catch (...) {
        // Repositioning a stream we could read from does not fail in practice;
        // a destructor must not throw.
    }
}

bool TReader::Refill()
{
    if (position_ < end_)
        return true;
    position_ = 0;
    end_ = stream_.Read(buffer_.data(), buffer_.size());
    return end_ > 0;
}

void TReader::GetBytes(void *data, size_t count)
{
    auto bytes = static_cast<uint8_t *>(data);
    while (count > 0) {
        if (!Refill())
            throw EReadError(kStreamReadError);
        size_t n = std::min(count, end_ - position_);
        std::memcpy(bytes, buffer_.data() + position_, n);
        position_ += n;
        bytes += n;
        count -= n;
    }
}

void TReader::SkipBytes(uint64_t count)
{
    while (count > 0) {
        if (!Refill())
            throw EReadError(kStreamReadError);
        size_t n = static_cast<size_t>(std::min<uint64_t>(count, end_ - position_));
        position_ += n;
        count -= n;
    }
}

template <typename T> T TReader::GetLittleEndian()
{
    std::array<uint8_t, sizeof(T)> raw;
    GetBytes(raw.data(), raw.size());
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(raw.begin(), raw.end());
    return std::bit_cast<T>(raw);
}

std::string TReader::GetText(uint64_t length)
{
    // Grow with the bytes actually there, never by the claimed length.
    std::string bytes;
    while (length > 0) {
        if (!Refill())
            throw EReadError(kStreamReadError);
        size_t n = static_cast<size_t>(std::min<uint64_t>(length, end_ - position_));
        bytes.append(reinterpret_cast<const char *>(buffer_.data() + position_), n);
        position_ += n;
        length -= n;
    }
    return Cp1252ToUtf8(bytes);
}

TValueTag TReader::GetTag()
{
    return static_cast<TValueTag>(GetLittleEndian<uint8_t>());
}

TValueTag TReader::PeekTag()
{
    if (!Refill())
        throw EReadError(kStreamReadError);
    return static_cast<TValueTag>(buffer_[position_]);
}

void TReader::ExpectTag(TValueTag wanted)
{
    if (GetTag() != wanted)
        InvalidValue();
}

int32_t TReader::IntegerPayload(TValueTag tag)
{
    switch (tag) {
    case vaInt8:
        return GetLittleEndian<int8_t>();
    case vaInt16:
        return GetLittleEndian<int16_t>();
    case vaInt32:
        return GetLittleEndian<int32_t>();
    default:
        InvalidValue();
    }
}

void TReader::GetListStart()
{
    ExpectTag(vaList);
}

void TReader::GetListEnd()
{
    ExpectTag(vaNull);
}

bool TReader::AtListEnd()
{
    return PeekTag() == vaNull;
}

int32_t TReader::GetInteger()
{
    return IntegerPayload(GetTag());
}

std::string TReader::GetString()
{
    switch (GetTag()) {
    case vaString:
        return GetText(GetLittleEndian<uint8_t>());
    case vaLString: {
        int32_t length = GetLittleEndian<int32_t>();
        if (length < 0)
            InvalidValue();
        return GetText(static_cast<uint64_t>(length));
    }
    default:
        InvalidValue();
    }
}

int32_t TReader::GetLabelledInteger()
{
    GetIdent();
    return GetInteger();
}

std::string TReader::GetLabelledString()
{
    GetIdent();
    return GetString();
}

std::string TReader::GetIdent()
{
    switch (GetTag()) {
    case vaIdent:
        return GetText(GetLittleEndian<uint8_t>());
    case vaNull:
        return "Null";
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNil:
        return "nil";
    default:
        InvalidValue();
    }
}

bool TReader::GetBoolean()
{
    return GetTag() == vaTrue;
}

double TReader::GetDate()
{
    if (PeekTag() == vaDate) {
        GetTag();
        return GetLittleEndian<double>();
    }
    return static_cast<double>(GetInteger());
}

int64_t TReader::GetCurrency()
{
    if (PeekTag() == vaCurrency) {
        GetTag();
        return GetLittleEndian<int64_t>();
    }
    return static_cast<int64_t>(GetInteger()) * 10000;
}

double TReader::GetExtended()
{
    if (PeekTag() == vaExtended) {
        GetTag();
        ExtendedBytes bytes;
        GetBytes(bytes.data(), bytes.size());
        return ExtendedToDouble(bytes);
    }
    return static_cast<double>(GetInteger());
}

float TReader::GetSingle()
{
    if (PeekTag() == vaSingle) {
        GetTag();
        return GetLittleEndian<float>();
    }
    return static_cast<float>(GetInteger());
}

void TReader::SkipValue()
{
    // Iterative over nested lists and collections, so hostile nesting depth
    // cannot exhaust the call stack.
    uint64_t open = 0;
    do {
        TValueTag tag = GetTag();
        switch (tag) {
        case vaNull:
            if (open == 0)
                break;
            --open;
            break;
        case vaList:
        case vaCollection:
            ++open;
            break;
        case vaInt8:
            SkipBytes(1);
            break;
        case vaInt16:
            SkipBytes(2);
            break;
        case vaInt32:
        case vaSingle:
            SkipBytes(4);
            break;
        case vaExtended:
            SkipBytes(10);
            break;
        case vaCurrency:
        case vaDate:
        case vaInt64:
            SkipBytes(8);
            break;
        case vaString:
        case vaIdent:
            SkipBytes(GetLittleEndian<uint8_t>());
            break;
        case vaLString:
        case vaBinary: {
            int32_t length = GetLittleEndian<int32_t>();
            if (length < 0)
                InvalidValue();
            SkipBytes(static_cast<uint64_t>(length));
            break;
        }
        case vaWString: {
            int32_t length = GetLittleEndian<int32_t>();
            if (length < 0)
                InvalidValue();
            SkipBytes(static_cast<uint64_t>(length) * 2);
            break;
        }
        case vaSet:
            for (uint8_t length = GetLittleEndian<uint8_t>(); length != 0;
                 length = GetLittleEndian<uint8_t>())
                SkipBytes(length);
            break;
        case vaFalse:
        case vaTrue:
        case vaNil:
            break;
        default:
            InvalidValue();
        }
    } while (open > 0);
}

int64_t TReader::Position()
{
    return stream_.Position() - static_cast<int64_t>(end_ - position_);
}

void TReader::Flush()
{
    if (end_ > position_)
        stream_.Seek(-static_cast<int64_t>(end_ - position_), SeekOrigin::Current);
    position_ = end_ = 0;
}
