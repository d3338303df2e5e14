#include "model/euromillon_apuesta.h"

#include "model/bet_errors.h"
#include "model/game_constants.h"
#include "model/separators.h"
#include "model/simple_bets.h"
#include "model/update_bracket.h"

TEuroMillonApuesta::TEuroMillonApuesta(TGameEdition edition) : edition_(edition)
{
    CreateBlocks();
}

TEuroMillonApuesta::~TEuroMillonApuesta() = default;

void TEuroMillonApuesta::GetLimits(int block, int32_t &minValue, int32_t &maxValue, int32_t &minCount,
                                   int32_t &maxCount) const
{
    if (!IsBlockNumber(block))
        return;
    minValue = kLowestValue[block];
    maxValue = block == kBlockStars ? GameRules(edition_).HighestStar : kHighestValue[block];
    minCount = kValuesPerBet[block];
    maxCount = kValuesPerBet[block];
}

void TEuroMillonApuesta::CreateBlocks()
{
    for (int block = kBlockNumbers; block <= kBlockStars; ++block) {
        int32_t minValue = 0, maxValue = 0, minCount = 0, maxCount = 0;
        GetLimits(block, minValue, maxValue, minCount, maxCount);
        auto nums = std::make_unique<TEuroMillonNums>(minValue, maxValue, minCount, maxCount);
        nums->OnChange = [this](void *) { Changed(); };
        blocks_[block - 1] = std::move(nums);
    }
}

void TEuroMillonApuesta::SetEdition(TGameEdition edition)
{
    if (edition == edition_)
        return;
    const BetMask before = ToMask();
    edition_ = edition;
    // Rebuilding the blocks is no change in itself; only a dropped star is.
    const bool held = updates_.Held();
    updates_.Open();
    CreateBlocks();
    FromMask(before);
    updates_.Restore(held);
    updates_.Close(std::string());
    if (ToMask() != before)
        Changed();
}

TEuroMillonNums &TEuroMillonApuesta::Block(int block)
{
    if (!IsBlockNumber(block))
        throw EBetError("Bloque not exists");
    return *blocks_[block - 1];
}

const TEuroMillonNums &TEuroMillonApuesta::Block(int block) const
{
    if (!IsBlockNumber(block))
        throw EBetError("Bloque not exists");
    return *blocks_[block - 1];
}

void TEuroMillonApuesta::Changed()
{
    if (!updates_.TellNow())
        return;
    simpleBetCount_ = CountSimpleBets(*this);
    if (OnChange)
        OnChange(this);
}

void TEuroMillonApuesta::BeginUpdate()
{
    updates_.Open();
}

void TEuroMillonApuesta::EndUpdate()
{
    if (updates_.Close("Disabled disorder \"" + ClassName() + "\""))
        Changed();
}

void TEuroMillonApuesta::Clear()
{
    WithinUpdate(*this, [this] {
        blocks_[0]->Clear();
        blocks_[1]->Clear();
    });
}

void TEuroMillonApuesta::Assign(const TEuroMillonApuesta &source)
{
    WithinUpdate(*this, [&] {
        blocks_[0]->Assign(*source.blocks_[0]);
        blocks_[1]->Assign(*source.blocks_[1]);
    });
}

void TEuroMillonApuesta::ToRecord(TEuroMillonApuestaMultiple &record) const
{
    record.Numeros = blocks_[0]->Values();
    record.Estrellas = blocks_[1]->Values();
}

void TEuroMillonApuesta::FromRecord(const TEuroMillonApuestaMultiple &record)
{
    WithinUpdate(*this, [&] {
        Clear();
        for (int32_t value : record.Numeros)
            blocks_[0]->Add(value);
        for (int32_t value : record.Estrellas)
            blocks_[1]->Add(value);
    });
}

BetMask TEuroMillonApuesta::ToMask() const
{
    return (blocks_[0]->ValueBits() & kNumberBits) | ((blocks_[1]->ValueBits() << kStarShift) & kAnyStarBits);
}

void TEuroMillonApuesta::FromMask(BetMask mask)
{
    WithinUpdate(*this, [&] {
        blocks_[0]->AssignBits(mask & kNumberBits);
        blocks_[1]->AssignBits((mask & kAnyStarBits) >> kStarShift);
    });
}

bool TEuroMillonApuesta::IsValid() const
{
    return blocks_[0]->IsComplete() && blocks_[1]->IsComplete();
}

std::string TEuroMillonApuesta::AsText() const
{
    std::string text;
    for (const auto &block : blocks_) {
        if (!text.empty())
            text += BlockSeparator();
        text += block->AsText();
    }
    return text;
}

void TEuroMillonApuesta::SaveToStream(TStream &stream) const
{
    blocks_[0]->SaveToStream(stream);
    blocks_[1]->SaveToStream(stream);
}

void TEuroMillonApuesta::LoadFromStream(TStream &stream)
{
    blocks_[0]->LoadFromStream(stream);
    blocks_[1]->LoadFromStream(stream);
}

TEuroMillonApuestaMult::TEuroMillonApuestaMult(TGameEdition edition) : TEuroMillonApuesta(edition)
{
    CreateBlocks();
}

void TEuroMillonApuestaMult::GetLimits(int block, int32_t &minValue, int32_t &maxValue, int32_t &minCount,
                                       int32_t &maxCount) const
{
    TEuroMillonApuesta::GetLimits(block, minValue, maxValue, minCount, maxCount);
    if (IsBlockNumber(block))
        maxCount = kNoLimit;
}
