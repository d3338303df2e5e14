#pragma once

#include "model/bet_mask.h"

#include <array>
#include <cstddef>
#include <cstdint>

class TStream;

// The bets of a combination file, written and read straight between masks
// and the typed value stream. Each bet is the two integer lists a bet's own
// SaveToStream writes; these routines produce and accept exactly the same
// bytes, without a bet object per bet. Both work in the middle of an outer
// writer's or reader's values, after that one's Flush (see TWriter, TReader).

// Writes the bets (not the list start or end around them) at the stream's
// position: for each mask, 01, 02 n for each number, 00, 01, 02 s for each
// star, 00. Raises EWriteError "Stream write error" when the stream refuses.
void WriteBetMasks(TStream &stream, const BetMask *masks, size_t count);

// Reads bets at the stream's position, one at a time, as a plain bet's
// LoadFromStream would: values out of range, repeated, or beyond the fifth
// number or second star are dropped; any integer width is accepted. Raises
// EReadError "Invalid property value" for a wrong tag and "Stream read error"
// when the stream ends early. Destruction puts the stream back just after the
// last byte consumed.
class TBetListParser {
public:
    // Stars above highestStar are dropped as out of range.
    explicit TBetListParser(TStream &stream, int highestStar = 9);
    ~TBetListParser();
    TBetListParser(const TBetListParser &) = delete;
    TBetListParser &operator=(const TBetListParser &) = delete;

    // True when the next tag is the list's closing vaNull (not consumed).
    bool AtListEnd();
    BetMask ReadBet();

    // After ReadBet failed: what a bet object that held previous would hold,
    // having loaded the failed bet's values up to the error.
    BetMask PartialBet(BetMask previous) const;

    // Bytes still unread in the stream beyond those buffered; a hint for
    // reserving room.
    int64_t RemainingHint();

private:
    uint8_t NextByte();
    uint8_t PeekByte();
    bool Refill();
    bool TryCommonForm(BetMask &mask);
    uint64_t ReadBlock(int block);
    int32_t ReadInteger(uint8_t tag);

    TStream &stream_;
    std::array<uint8_t, 64 * 1024> buffer_{};
    size_t position_ = 0;
    size_t end_ = 0;
    int failedBlock_ = 0;      // block being read when the last ReadBet failed
    uint64_t partialBits_ = 0; // values of that block read before the failure
    uint64_t numberBits_ = 0;  // block 1 of the bet being read
    int highestStar_;
};
