#include "model/bet_list_codec.h"

#include "model/exception.h"
#include "model/game_constants.h"
#include "model/stream.h"
#include "model/value_stream.h"

#include <bit>
#include <cstring>

namespace {

constexpr size_t kWriteChunk = 64 * 1024;
constexpr size_t kLongestBet = 2 + 5 * 2 + 2 + 2 * 2; // 18 bytes

size_t EncodeBet(BetMask mask, uint8_t *out)
{
    uint8_t *p = out;
    *p++ = vaList;
    for (uint64_t bits = mask & kNumberBits; bits != 0; bits &= bits - 1) {
        *p++ = vaInt8;
        *p++ = static_cast<uint8_t>(std::countr_zero(bits) + 1);
    }
    *p++ = vaNull;
    *p++ = vaList;
    for (uint64_t bits = (mask & kAnyStarBits) >> kStarShift; bits != 0; bits &= bits - 1) {
        *p++ = vaInt8;
        *p++ = static_cast<uint8_t>(std::countr_zero(bits) + 1);
    }
    *p++ = vaNull;
    return static_cast<size_t>(p - out);
}

[[noreturn]] void InvalidValue()
{
    throw EReadError(kInvalidPropertyValue);
}

} // namespace

void WriteBetMasks(TStream &stream, const BetMask *masks, size_t count)
{
    // A mask never holds more than 5 numbers and 2 stars in a combination,
    // but one that does must not overrun the chunk.
    uint8_t chunk[kWriteChunk + 2 * 61 + 4];
    size_t used = 0;
    for (size_t i = 0; i < count; ++i) {
        if (used + kLongestBet > kWriteChunk) {
            stream.WriteBuffer(chunk, used);
            used = 0;
        }
        used += EncodeBet(masks[i], chunk + used);
    }
    stream.WriteBuffer(chunk, used);
}

TBetListParser::TBetListParser(TStream &stream, int highestStar) : stream_(stream), highestStar_(highestStar)
{
}

TBetListParser::~TBetListParser()
{
    try {
        if (end_ > position_)
            stream_.Seek(-static_cast<int64_t>(end_ - position_), SeekOrigin::Current);
    } catch (...) {
        // Repositioning a stream we could read from does not fail in practice.
    }
}

bool TBetListParser::Refill()
{
    if (position_ < end_)
        return true;
    position_ = 0;
    end_ = stream_.Read(buffer_.data(), buffer_.size());
    return end_ > 0;
}

uint8_t TBetListParser::PeekByte()
{
    if (!Refill())
        throw EReadError(kStreamReadError);
    return buffer_[position_];
}

uint8_t TBetListParser::NextByte()
{
    uint8_t byte = PeekByte();
    ++position_;
    return byte;
}

bool TBetListParser::AtListEnd()
{
    return PeekByte() == vaNull;
}

int64_t TBetListParser::RemainingHint()
{
    int64_t here = stream_.Position();
    int64_t size = stream_.Size();
    return size > here ? size - here : 0;
}

bool TBetListParser::TryCommonForm(BetMask &mask)
{
    // 01 02 a 02 b 02 c 02 d 02 e 00 01 02 s 02 t 00 with a < b < c < d < e
    // in 1-50 and s < t in 1 to the highest star: every value is accepted as
    // it stands.
    if (end_ - position_ < kLongestBet)
        return false;
    const uint8_t *b = buffer_.data() + position_;
    if (b[0] != vaList || b[11] != vaNull || b[12] != vaList || b[17] != vaNull)
        return false;
    if (b[1] != vaInt8 || b[3] != vaInt8 || b[5] != vaInt8 || b[7] != vaInt8 || b[9] != vaInt8 ||
        b[13] != vaInt8 || b[15] != vaInt8)
        return false;
    if (!(b[2] >= 1 && b[2] < b[4] && b[4] < b[6] && b[6] < b[8] && b[8] < b[10] && b[10] <= 50))
        return false;
    if (!(b[14] >= 1 && b[14] < b[16] && b[16] <= highestStar_))
        return false;
    mask = NumberBit(b[2]) | NumberBit(b[4]) | NumberBit(b[6]) | NumberBit(b[8]) | NumberBit(b[10]) |
           StarBit(b[14]) | StarBit(b[16]);
    position_ += kLongestBet;
    return true;
}

int32_t TBetListParser::ReadInteger(uint8_t tag)
{
    uint8_t bytes[4] = {};
    size_t width = tag == vaInt8 ? 1 : tag == vaInt16 ? 2 : tag == vaInt32 ? 4 : 0;
    if (width == 0)
        InvalidValue();
    for (size_t i = 0; i < width; ++i)
        bytes[i] = NextByte();
    uint32_t raw = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                   static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    if (width == 1)
        return static_cast<int8_t>(raw);
    if (width == 2)
        return static_cast<int16_t>(raw);
    return static_cast<int32_t>(raw);
}

uint64_t TBetListParser::ReadBlock(int block)
{
    failedBlock_ = block;
    partialBits_ = 0;
    if (NextByte() != vaList)
        InvalidValue();
    int count = 0;
    while (PeekByte() != vaNull) {
        int32_t value = ReadInteger(NextByte());
        const int32_t highest = block == kBlockStars ? highestStar_ : kHighestValue[block];
        if (value < kLowestValue[block] || value > highest || count >= kValuesPerBet[block])
            continue;
        uint64_t bit = uint64_t{1} << (value - 1);
        if (partialBits_ & bit)
            continue;
        partialBits_ |= bit;
        ++count;
    }
    ++position_;
    return partialBits_;
}

BetMask TBetListParser::ReadBet()
{
    BetMask mask = 0;
    if (TryCommonForm(mask))
        return mask;
    failedBlock_ = 0;
    numberBits_ = ReadBlock(kBlockNumbers);
    uint64_t stars = ReadBlock(kBlockStars);
    failedBlock_ = 0;
    return numberBits_ | (stars << kStarShift);
}

BetMask TBetListParser::PartialBet(BetMask previous) const
{
    switch (failedBlock_) {
    case kBlockNumbers:
        return partialBits_ | (previous & kAnyStarBits);
    case kBlockStars:
        return numberBits_ | (partialBits_ << kStarShift);
    default:
        return previous;
    }
}
