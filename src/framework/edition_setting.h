#pragma once

#include "framework/setting_keys.h"
#include "model/game_rules.h"

class TParametres;

// The game the user plays is kept between runs under PRM_GAME_EDITION.
// The saved edition: classic when the key is absent or holds anything else.
// Reading never creates the key.
TGameEdition SavedEdition(TParametres &store);
// Stores the edition's key and marks it for saving.
void SaveEdition(TParametres &store, TGameEdition edition);
