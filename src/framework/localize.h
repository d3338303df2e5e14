#pragma once

#include "model/text_lookup.h"

#include <cstdint>
#include <memory>
#include <string>

class TLanguageTable;

// The program's one localizer: texts by numeric identifier, from the loaded
// language file or, when none is loaded, from the built-in Spanish table.
// Texts are UTF-8, at most 1023 characters.
class TLocalize {
public:
    TLocalize();
    ~TLocalize();

    // The text of the identifier in the active language; the empty text when
    // the active language lacks it. Never fails.
    std::string GetText(uint16_t id) const;

    // Releases the loaded language, then loads the language file at path
    // (see TLanguageTable for its form). False, with the built-in texts
    // active, when the file is missing, unreadable or not a string table.
    bool LoadLanguage(const std::string &path);
    void UnloadLanguage();
    bool Loaded() const { return loaded_; }

private:
    std::unique_ptr<TLanguageTable> library_;
    bool loaded_ = false;
};

// Created on first use.
TLocalize &Localizer();

// GetText(id), declared in model/text_lookup.h, is Localizer().GetText(id).
