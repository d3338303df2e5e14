#pragma once

#include "model/bet_mask.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The forms of the game the program plays. The classic game (2004 to 2011)
// has stars 1 to 9 and 12 prize categories; today's game has stars 1 to 12
// and a 13th category, 2+0. Files, windows and commands of the classic game
// behave exactly as they always have.
enum class TGameEdition : uint8_t {
    Classic = 0,
    Current = 1,
};

// The most stars any edition has; bet masks have room for all of them.
inline constexpr int kMostStars = 12;

struct TGameRules {
    TGameEdition Edition;
    int HighestStar;   // stars run from 1 to this
    int CategoryCount; // prize categories 1 to this
    BetMask StarBits;  // the star bits a bet of this edition may hold
};

const TGameRules &GameRules(TGameEdition edition);

// The edition the user plays now (the program's choice, the command line's
// --edition): what new combinations, selections and the draw archive
// follow. Classic until set. Existing combinations keep their own.
TGameEdition EditionInForce();
void SetEditionInForce(TGameEdition edition);

// "classic" and "current", as the command line and settings spell them.
std::string_view EditionKey(TGameEdition edition);
std::optional<TGameEdition> EditionFromKey(std::string_view key);

// The edition's name as the user reads it ("clásico", "actual" in the
// language in force).
std::string EditionName(TGameEdition edition);

// What a reader says of a file of the other game (45801): "El archivo es del
// juego actual (estrellas 1 a 12); no puede leerse como juego clásico".
std::string OtherGameFileText(TGameEdition fileEdition, TGameEdition expected);

// Raises EListError 45804 when bets of the source game would go into a
// combination of the target game; nothing otherwise.
void RequireSameGame(TGameEdition source, TGameEdition target);
