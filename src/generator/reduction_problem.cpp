#include "generator/reduction_problem.h"

#include "generator/condition_filter.h"
#include "generator/genera_comb.h"
#include "generator/mask_enumeration.h"
#include "generator/subset_rank.h"

#include <array>

namespace {

constexpr int kBetNumbers = 5;
constexpr int kBetStars = 2;

// Bets each bet covers when every simple bet of the selection is a candidate.
int64_t FullCoverCount(const TCoverRule &rule, int numbers, int stars)
{
    int64_t count = 0;
    for (int a = 0; a <= kBetNumbers; ++a)
        for (int b = 0; b <= kBetStars; ++b)
            if (rule.AllowsShared(a, b) && numbers - kBetNumbers >= kBetNumbers - a &&
                stars - kBetStars >= kBetStars - b)
                count += static_cast<int64_t>(
                    kBinomial(kBetNumbers, a) * kBinomial(numbers - kBetNumbers, kBetNumbers - a) *
                    kBinomial(kBetStars, b) * kBinomial(stars - kBetStars, kBetStars - b));
    return count;
}

} // namespace

std::unique_ptr<TReductionProblem> TReductionProblem::Build(const TEuroMillonGeneraComb &settings,
                                                            const Limits &limits)
{
    TCoverRule rule;
    if (!TCoverRule::FromSettings(settings, rule))
        return nullptr;
    const BetMask selection = settings.Seleccion().ToMask();
    const int numbers = CountNumbers(selection);
    const int stars = CountStars(selection);
    if (numbers < kBetNumbers || stars < kBetStars)
        return nullptr;
    const int64_t selectionBets = settings.ApuestasPosibles();
    if (selectionBets > limits.maxSelectionBets)
        return nullptr;

    std::unique_ptr<TReductionProblem> problem(new TReductionProblem());
    problem->rule_ = rule;
    problem->selection_ = selection;
    problem->quintets_ = static_cast<int64_t>(kBinomial(numbers, kBetNumbers));
    int numberPlace = 0;
    int starPlace = 0;
    for (int bit = 0; bit < 64; ++bit) {
        const BetMask value = BetMask{1} << bit;
        if (!(selection & value))
            problem->positionOfBit_[bit] = -1;
        else
            problem->positionOfBit_[bit] =
                static_cast<int8_t>(bit < kStarShift ? numberPlace++ : starPlace++);
    }

    // The valid candidates in the generation's order.
    TConditionFilter filter(settings.Condiciones().MaskConditions());
    problem->indexOfRank_.assign(static_cast<size_t>(selectionBets), -1);
    const std::vector<BetMask> quintets = NumberQuintetMasks(selection);
    for (BetMask pair : StarPairMasks(selection))
        for (BetMask quintet : quintets) {
            const BetMask bet = quintet | pair;
            if (filter.Empty() || filter.Accepts(bet)) {
                problem->indexOfRank_[static_cast<size_t>(problem->SelectionRank(bet))] = problem->Count();
                problem->masks_.push_back(bet);
            }
        }
    const int64_t mostEntries =
        static_cast<int64_t>(problem->masks_.size()) * FullCoverCount(rule, numbers, stars);
    if (mostEntries > limits.maxCoverEntries)
        return nullptr;
    problem->BuildCoverLists(mostEntries);
    return problem;
}

int64_t TReductionProblem::SelectionRank(BetMask bet) const
{
    if ((bet & ~selection_) != 0 || CountNumbers(bet) != kBetNumbers || CountStars(bet) != kBetStars)
        return -1;
    int64_t numberRank = 0;
    int64_t starRank = 0;
    int numberSlot = 0;
    int starSlot = 0;
    for (BetMask bits = bet; bits; bits &= bits - 1) {
        const int bit = std::countr_zero(bits);
        const int place = positionOfBit_[bit];
        if (bit < kStarShift)
            numberRank += static_cast<int64_t>(kBinomial(place, ++numberSlot));
        else
            starRank += static_cast<int64_t>(kBinomial(place, ++starSlot));
    }
    return starRank * quintets_ + numberRank;
}

int32_t TReductionProblem::IndexOf(BetMask bet) const
{
    const int64_t rank = SelectionRank(bet);
    return rank < 0 ? -1 : indexOfRank_[static_cast<size_t>(rank)];
}

size_t TReductionProblem::Bytes() const
{
    return masks_.capacity() * sizeof(BetMask) + indexOfRank_.capacity() * sizeof(int32_t) +
           coverStart_.capacity() * sizeof(int64_t) + coverLists_.capacity() * sizeof(int32_t);
}

// For each candidate, every bet sharing an allowed count of numbers and
// stars with it, built from the kept values and replacements drawn from the
// rest of the selection, and looked up by rank.
void TReductionProblem::BuildCoverLists(int64_t mostEntries)
{
    coverLists_.reserve(static_cast<size_t>(mostEntries));
    const BetMask selectedNumbers = selection_ & kNumberBits;
    const BetMask selectedStars = selection_ & kAnyStarBits;
    coverStart_.assign(masks_.size() + 1, 0);
    std::array<std::array<std::vector<BetMask>, kBetNumbers + 1>, 2> kept;
    std::array<std::array<std::vector<BetMask>, kBetNumbers + 1>, 2> added;
    for (size_t c = 0; c < masks_.size(); ++c) {
        const BetMask bet = masks_[c];
        for (int k = 0; k <= kBetNumbers; ++k) {
            kept[0][static_cast<size_t>(k)] = SubsetsOfBits(bet & kNumberBits, k);
            added[0][static_cast<size_t>(k)] = SubsetsOfBits(selectedNumbers & ~bet, k);
        }
        for (int k = 0; k <= kBetStars; ++k) {
            kept[1][static_cast<size_t>(k)] = SubsetsOfBits(bet & kAnyStarBits, k);
            added[1][static_cast<size_t>(k)] = SubsetsOfBits(selectedStars & ~bet, k);
        }
        for (int a = 0; a <= kBetNumbers; ++a)
            for (int b = 0; b <= kBetStars; ++b) {
                if (!rule_.AllowsShared(a, b))
                    continue;
                for (BetMask keptNumbers : kept[0][static_cast<size_t>(a)])
                    for (BetMask newNumbers : added[0][static_cast<size_t>(kBetNumbers - a)])
                        for (BetMask keptStars : kept[1][static_cast<size_t>(b)])
                            for (BetMask newStars : added[1][static_cast<size_t>(kBetStars - b)]) {
                                const int32_t other =
                                    IndexOf(keptNumbers | newNumbers | keptStars | newStars);
                                if (other >= 0)
                                    coverLists_.push_back(other);
                            }
            }
        coverStart_[c + 1] = static_cast<int64_t>(coverLists_.size());
    }
}
