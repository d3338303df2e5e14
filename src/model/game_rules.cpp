#include "model/game_rules.h"

#include "model/bet_errors.h"
#include "model/exception.h"
#include "model/format.h"
#include "model/text_lookup.h"

#include <atomic>

namespace {

constexpr uint16_t kTxtClassicEdition = 45802; // "clásico"
constexpr uint16_t kTxtCurrentEdition = 45803; // "actual"

constexpr BetMask StarBitsUpTo(int highestStar)
{
    return ((BetMask{1} << highestStar) - 1) << kStarShift;
}

constexpr TGameRules kClassic{TGameEdition::Classic, 9, 12, StarBitsUpTo(9)};
constexpr TGameRules kCurrent{TGameEdition::Current, 12, 13, StarBitsUpTo(12)};

static_assert(StarBitsUpTo(kMostStars) == kAnyStarBits);

std::atomic<TGameEdition> editionInForce{TGameEdition::Classic};

} // namespace

TGameEdition EditionInForce()
{
    return editionInForce.load(std::memory_order_relaxed);
}

void SetEditionInForce(TGameEdition edition)
{
    editionInForce.store(edition, std::memory_order_relaxed);
}

const TGameRules &GameRules(TGameEdition edition)
{
    return edition == TGameEdition::Current ? kCurrent : kClassic;
}

std::string_view EditionKey(TGameEdition edition)
{
    return edition == TGameEdition::Current ? "current" : "classic";
}

std::optional<TGameEdition> EditionFromKey(std::string_view key)
{
    if (key == "classic")
        return TGameEdition::Classic;
    if (key == "current")
        return TGameEdition::Current;
    return std::nullopt;
}

std::string EditionName(TGameEdition edition)
{
    return GetText(edition == TGameEdition::Current ? kTxtCurrentEdition : kTxtClassicEdition);
}

std::string OtherGameFileText(TGameEdition fileEdition, TGameEdition expected)
{
    return FormatText(GetText(kTextOtherGameFile),
                      {EditionName(fileEdition), GameRules(fileEdition).HighestStar, EditionName(expected)});
}

void RequireSameGame(TGameEdition source, TGameEdition target)
{
    if (source != target)
        throw EListError(FormatText(GetText(kTextOtherGameBets), {EditionName(source), EditionName(target)}));
}
