#include "model/euromillon_nums.h"

#include "model/bet_errors.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/separators.h"
#include "model/text_lookup.h"
#include "model/update_bracket.h"
#include "model/value_stream.h"

#include <algorithm>
#include <bit>

TEuroMillonNums::TEuroMillonNums(int32_t minValue, int32_t maxValue, int32_t minCount, int32_t maxCount)
    : minValue_(minValue), maxCount_(maxCount <= 0 ? kNoLimit : maxCount),
      maxValue_(maxValue <= 0 ? kNoLimit : maxValue), minCount_(minCount)
{
}

void TEuroMillonNums::Changed()
{
    if (!updates_.TellNow())
        return;
    if (OnChange)
        OnChange(this);
}

bool TEuroMillonNums::Add(int32_t value)
{
    if (value < minValue_ || value > maxValue_ || Count() >= maxCount_)
        return false;
    auto place = std::lower_bound(items_.begin(), items_.end(), value);
    if (place != items_.end() && *place == value)
        return false;
    items_.insert(place, value);
    Changed();
    return true;
}

bool TEuroMillonNums::Remove(int32_t value)
{
    int index = IndexOf(value);
    if (index < 0)
        return false;
    Delete(index);
    return true;
}

void TEuroMillonNums::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError(FormatText("List index out of bounds (%d)", {index}));
    items_.erase(items_.begin() + index);
    Changed();
}

void TEuroMillonNums::Clear()
{
    WithinUpdate(*this, [this] {
        while (!items_.empty())
            Delete(Count() - 1);
    });
}

int32_t TEuroMillonNums::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(FormatText(GetText(kTextIndexError), {index}));
    return items_[static_cast<size_t>(index)];
}

int TEuroMillonNums::IndexOf(int32_t value) const
{
    auto place = std::lower_bound(items_.begin(), items_.end(), value);
    return place != items_.end() && *place == value ? static_cast<int>(place - items_.begin()) : -1;
}

void TEuroMillonNums::Assign(const TEuroMillonNums &source)
{
    if (source.Count() > maxCount_)
        throw EBetError(FormatText(GetText(kTextMaxNumbersInBlock), {maxCount_}));
    if (&source == this)
        return;
    WithinUpdate(*this, [&] {
        Clear();
        for (int32_t value : source.items_)
            Add(value);
    });
}

std::string TEuroMillonNums::AsText() const
{
    std::string text;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (i > 0)
            text += NumberSeparator();
        text += FormatText("%.2d", {items_[i]});
    }
    return text;
}

void TEuroMillonNums::Advance(int32_t value)
{
    int index = IndexOf(value);
    if (index < 0)
        return;
    auto i = static_cast<size_t>(index);
    items_[i] += 1;
    for (size_t p = i + 1; p < items_.size(); ++p)
        items_[p] = items_[p - 1] + 1;
    Changed();
}

uint64_t TEuroMillonNums::ValueBits() const
{
    uint64_t bits = 0;
    for (int32_t value : items_)
        if (value >= 1 && value <= 64)
            bits |= uint64_t{1} << (value - 1);
    return bits;
}

void TEuroMillonNums::AssignBits(uint64_t bits)
{
    bool hadValues = !items_.empty();
    items_.clear();
    for (; bits != 0 && Count() < maxCount_; bits &= bits - 1) {
        int32_t value = std::countr_zero(bits) + 1;
        if (value >= minValue_ && value <= maxValue_)
            items_.push_back(value);
    }
    if (hadValues || !items_.empty())
        Changed();
}

void TEuroMillonNums::BeginUpdate()
{
    updates_.Open();
}

void TEuroMillonNums::EndUpdate()
{
    if (updates_.Close("Disabled disorder \"TEuroMillonNums\""))
        Changed();
}

void TEuroMillonNums::SaveToStream(TStream &stream) const
{
    TWriter writer(stream);
    writer.PutListStart();
    for (int32_t value : items_)
        writer.PutInteger(value);
    writer.PutListEnd();
}

void TEuroMillonNums::LoadFromStream(TStream &stream)
{
    WithinUpdate(*this, [&] {
        Clear();
        TReader reader(stream);
        reader.GetListStart();
        while (!reader.AtListEnd())
            Add(reader.GetInteger());
        reader.GetListEnd();
    });
}
