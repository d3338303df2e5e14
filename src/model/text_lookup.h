#pragma once

#include <cstdint>
#include <string>

// Localized texts by numeric identifier, as the data model words its errors.
// Declared here, below the model, and answered by the framework's localizer
// in the language in force, the built-in Spanish texts when no language file
// is loaded. Never fails; an unknown identifier
// gives the empty text.
std::string GetText(uint16_t id);
