#include "model/euromillon_apuestas.h"

#include "model/bet_errors.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/update_bracket.h"

#include <algorithm>

namespace {

uint64_t KeepLowest(uint64_t bits, int count)
{
    uint64_t kept = 0;
    for (; bits != 0 && count > 0; --count) {
        uint64_t lowest = bits & (~bits + 1);
        kept |= lowest;
        bits ^= lowest;
    }
    return kept;
}

// What a plain bet of the edition keeps of a mask: its five lowest numbers
// and two lowest stars of the edition's range.
BetMask PlainBetMask(BetMask mask, BetMask starBits)
{
    mask &= kNumberBits | starBits;
    if (CountNumbers(mask) <= 5 && CountStars(mask) <= 2)
        return mask;
    return KeepLowest(mask & kNumberBits, 5) | KeepLowest(mask & kAnyStarBits, 2);
}

[[noreturn]] void OutOfBounds(int position)
{
    throw EListError(FormatText("List index out of bounds (%d)", {position}));
}

} // namespace

TEuroMillonApuestas::TEuroMillonApuestas(TGameEdition edition) : edition_(edition), workingBet_(edition)
{
    workingBet_.OnChange = [](void *) {};
}

TEuroMillonApuestas::~TEuroMillonApuestas()
{
    try {
        Clear();
    } catch (...) {
        // A handler failing during destruction has no one left to tell.
    }
}

void TEuroMillonApuestas::Changed()
{
    modified_ = true;
    if (!updates_.TellNow())
        return;
    if (OnChange)
        OnChange(this);
}

void TEuroMillonApuestas::BeginUpdate()
{
    updates_.Open();
}

void TEuroMillonApuestas::EndUpdate()
{
    if (updates_.Close("Disable disorder \"TEuroMillonApuestas\""))
        Changed();
}

void TEuroMillonApuestas::LoadWorkingBet(int position)
{
    workingBet_.FromMask(masks_[static_cast<size_t>(position)]);
}

void TEuroMillonApuestas::SetCurrent(int position)
{
    if (position < 0)
        position = -1;
    if (position == current_)
        return;
    if (position >= Count())
        throw EListError("Index out of range \"TEuroMillonApuestas\"");
    current_ = position;
    if (current_ >= 0)
        LoadWorkingBet(current_);
}

TEuroMillonApuesta &TEuroMillonApuestas::Bet(int position)
{
    if (position >= Count())
        throw EListError("Index out of range \"TEuroMillonApuestas\"");
    current_ = std::max(position, -1);
    if (current_ >= 0)
        LoadWorkingBet(current_);
    return workingBet_;
}

int TEuroMillonApuestas::Insert(int position)
{
    if (OnBeforeStore)
        OnBeforeStore(this, position);
    BetMask mask = workingBet_.ToMask();
    if (position < 0 || position >= Count()) {
        masks_.push_back(mask);
        position = Count() - 1;
    } else {
        masks_.insert(masks_.begin() + position, mask);
    }
    current_ = position;
    Changed();
    return position;
}

int TEuroMillonApuestas::Store(int position)
{
    if (position < 0 || position >= Count())
        return Insert(Count());
    if (OnBeforeStore)
        OnBeforeStore(this, position);
    masks_[static_cast<size_t>(position)] = workingBet_.ToMask();
    current_ = position;
    Changed();
    return position;
}

void TEuroMillonApuestas::Delete(int position)
{
    DeleteRange(position, position);
}

void TEuroMillonApuestas::DeleteRange(int first, int last)
{
    if (first < 0 || first >= Count())
        OutOfBounds(first);
    if (last < first || last >= Count())
        OutOfBounds(last);
    masks_.erase(masks_.begin() + first, masks_.begin() + last + 1);
    if (current_ > last)
        current_ -= last - first + 1;
    else if (current_ >= first)
        current_ = -1;
    Changed();
}

void TEuroMillonApuestas::Clear()
{
    WithinUpdate(*this, [this] {
        if (!masks_.empty()) {
            std::vector<BetMask>().swap(masks_); // give the memory back
            current_ = -1;
            Changed();
        }
        SetName("");
    });
}

int TEuroMillonApuestas::InsertRange(TEuroMillonApuestas &source, int first, int last, int position)
{
    first = std::max(first, 0);
    last = std::min(last, source.Count() - 1);
    if (last < first)
        return 0;
    RequireSameGame(source.edition_, edition_);
    // A copy of the range, so that copying a combination into itself takes
    // the bets as they were before the first insertion.
    std::vector<BetMask> copied(source.masks_.begin() + first, source.masks_.begin() + last + 1);
    if (position < 0 || position > Count())
        position = Count();
    const bool vouched = PassesBeforeStore && std::all_of(copied.begin(), copied.end(), PassesBeforeStore);
    WithinUpdate(*this, [&] {
        if (OnBeforeStore && !vouched) {
            for (size_t k = 0; k < copied.size(); ++k) {
                if (&source != this)
                    source.Bet(first + static_cast<int>(k));
                workingBet_.FromMask(copied[k]);
                Insert(position++);
            }
            return;
        }
        masks_.insert(masks_.begin() + position, copied.begin(), copied.end());
        if (&source != this)
            source.Bet(last);
        current_ = position + static_cast<int>(copied.size()) - 1;
        workingBet_.FromMask(copied.back());
        Changed();
    });
    return static_cast<int>(copied.size());
}

void TEuroMillonApuestas::AppendMasks(const BetMask *masks, size_t count)
{
    if (count == 0)
        return;
    if (masks >= masks_.data() && masks < masks_.data() + masks_.size()) {
        // Appending from this combination itself: the insertion may move the source.
        std::vector<BetMask> copy(masks, masks + count);
        AppendMasks(copy.data(), copy.size());
        return;
    }
    size_t start = masks_.size();
    masks_.insert(masks_.end(), masks, masks + count);
    for (size_t i = start; i < masks_.size(); ++i)
        masks_[i] = PlainBetMask(masks_[i], GameRules(edition_).StarBits);
    Changed();
}

void TEuroMillonApuestas::SetEdition(TGameEdition edition)
{
    if (edition == edition_)
        return;
    if (!masks_.empty())
        throw EListError("The game of a combination with bets cannot change");
    edition_ = edition;
    workingBet_.SetEdition(edition);
}

void TEuroMillonApuestas::TakeBets(TEuroMillonApuestas &source)
{
    if (&source == this || source.masks_.empty())
        return;
    RequireSameGame(source.edition_, edition_);
    if (masks_.empty()) {
        masks_.swap(source.masks_);
        Changed();
    } else {
        AppendMasks(source.masks_.data(), source.masks_.size());
    }
    std::vector<BetMask>().swap(source.masks_);
    source.current_ = -1;
    source.Changed();
}

int TEuroMillonApuestas::FindCovering(const TEuroMillonApuesta &bet, int numberCount, int starCount) const
{
    return FindCovering(bet.ToMask(), numberCount, starCount);
}

int TEuroMillonApuestas::FindCovering(BetMask bet, int numberCount, int starCount) const
{
    for (size_t i = masks_.size(); i-- > 0;) {
        BetMask common = masks_[i] & bet;
        if (CountNumbers(common) >= numberCount && CountStars(common) >= starCount)
            return static_cast<int>(i);
    }
    return -1;
}

int TEuroMillonApuestas::FindCoveringTotal(const TEuroMillonApuesta &bet, int valueCount) const
{
    return FindCoveringTotal(bet.ToMask(), valueCount);
}

int TEuroMillonApuestas::FindCoveringTotal(BetMask bet, int valueCount) const
{
    bet &= kNumberBits | kAnyStarBits;
    for (size_t i = masks_.size(); i-- > 0;)
        if (std::popcount(masks_[i] & bet) >= valueCount)
            return static_cast<int>(i);
    return -1;
}

void TEuroMillonApuestas::SetName(const std::string &name)
{
    if (name == name_)
        return;
    name_ = name;
    Changed();
    if (OnNameChange)
        OnNameChange(this);
}

void TEuroMillonApuestas::SetFileName(const std::string &fileName)
{
    fileName_ = fileName;
    if (OnNameChange)
        OnNameChange(this);
}
