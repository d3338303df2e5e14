#pragma once

#include "model/apuesta_multiple.h"
#include "model/bet_mask.h"
#include "model/euromillon_nums.h"
#include "model/game_rules.h"
#include "model/notify_event.h"
#include "model/update_bracket.h"

#include <cstdint>
#include <memory>
#include <string>

class TStream;

// One bet: block 1 (5 numbers of 1-50) and block 2 (2 stars of 1 to the
// edition's highest star: 9 in the classic game, 12 today). Every
// change of a block becomes a change of the bet, told to OnChange (sender:
// the bet) once per outermost update bracket; SimpleBetCount is brought up to
// date just before.
class TEuroMillonApuesta {
public:
    explicit TEuroMillonApuesta(TGameEdition edition = TGameEdition::Classic);
    virtual ~TEuroMillonApuesta();
    TEuroMillonApuesta(const TEuroMillonApuesta &) = delete;
    TEuroMillonApuesta &operator=(const TEuroMillonApuesta &) = delete;

    // The limits the bet's blocks are created with: block 1 gives 1, 50, 5, 5;
    // block 2 gives 1, the edition's highest star, 2, 2; any other block
    // leaves the outputs untouched.
    virtual void GetLimits(int block, int32_t &minValue, int32_t &maxValue, int32_t &minCount,
                           int32_t &maxCount) const;
    // The class name that error texts quote.
    virtual std::string ClassName() const { return "TEuroMillonApuesta"; }

    // Block 1 or 2; raises EBetError "Bloque not exists" for any other number.
    // The blocks report their changes to the bet: leave their OnChange alone.
    TEuroMillonNums &Block(int block);
    const TEuroMillonNums &Block(int block) const;

    TGameEdition Edition() const { return edition_; }
    // Re-creates the blocks with the edition's limits, keeping the values
    // they accept; one change when a value was dropped.
    void SetEdition(TGameEdition edition);

    void Clear();
    // Block by block, in one bracket; raises 40001 when a source block holds
    // more values than this bet's block may (a selection into a plain bet).
    void Assign(const TEuroMillonApuesta &source);
    void ToRecord(TEuroMillonApuestaMultiple &record) const;
    // Replaces the values; those the blocks refuse are dropped.
    void FromRecord(const TEuroMillonApuestaMultiple &record);
    BetMask ToMask() const;
    // As FromRecord, from a mask.
    void FromMask(BetMask mask);

    bool IsValid() const;
    // Blocks joined by the block separator, put only after a non-empty part:
    // "03.15.27.41.50-02.09", "03.15.27.41.50-", "02.09", "".
    std::string AsText() const;

    // Block 1's list, then block 2's.
    void SaveToStream(TStream &stream) const;
    void LoadFromStream(TStream &stream);

    // Raises EUpdateError "Disabled disorder " and the quoted class name when
    // no bracket is open.
    void BeginUpdate();
    void EndUpdate();

    int64_t SimpleBetCount() const { return simpleBetCount_; }

    TNotifyEvent OnChange;

protected:
    // Creates both blocks with this class's own limits. Each constructor of
    // the hierarchy calls it, so the most derived GetLimits shapes the blocks.
    void CreateBlocks();

private:
    void Changed();

    std::unique_ptr<TEuroMillonNums> blocks_[2];
    TGameEdition edition_;
    TUpdateBrackets updates_;
    int64_t simpleBetCount_ = 0;
};

// A selection of numbers and stars: the ranges of a bet, no upper count
// (still complete from 5 numbers and 2 stars).
class TEuroMillonApuestaMult : public TEuroMillonApuesta {
public:
    explicit TEuroMillonApuestaMult(TGameEdition edition = TGameEdition::Classic);

    void GetLimits(int block, int32_t &minValue, int32_t &maxValue, int32_t &minCount,
                   int32_t &maxCount) const override;
    std::string ClassName() const override { return "TEuroMillonApuestaMult"; }
};
