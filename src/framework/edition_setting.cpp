#include "framework/edition_setting.h"

#include "framework/parametres.h"

#include <string>

TGameEdition SavedEdition(TParametres &store)
{
    if (!store.Exists(PRM_GAME_EDITION))
        return TGameEdition::Classic;
    return EditionFromKey(store.ReadString(PRM_GAME_EDITION, std::string())).value_or(TGameEdition::Classic);
}

void SaveEdition(TParametres &store, TGameEdition edition)
{
    store.SetValor(PRM_GAME_EDITION, Variant(std::string(EditionKey(edition))));
    store.SetSave(PRM_GAME_EDITION, true);
}
