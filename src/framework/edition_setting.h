#pragma once

#include "model/game_rules.h"

class TParametres;

// The game the user plays, kept between runs: "classic" or "current" (the
// spelling of EditionKey) under this key.
inline constexpr const char *PRM_GAME_EDITION = "PRM_GAME_EDITION";

// The saved edition: classic when the key is absent or holds anything else.
// Reading never creates the key.
TGameEdition SavedEdition(TParametres &store);
// Stores the edition's key and marks it for saving.
void SaveEdition(TParametres &store, TGameEdition edition);
