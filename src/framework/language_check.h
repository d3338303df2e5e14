#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TLanguageTable;

// The format conversions of a text template, in order: "%d", "%.2d", "%s"...
// ("%%" and a '%' before anything else are plain text).
std::vector<std::string> FormatPlaceholders(std::string_view text);

// One way a language file differs from the built-in table in what the
// windows rely on.
struct TLanguageProblem {
    uint16_t id = 0;
    std::string description;
};

// Compares a language file with the built-in Spanish table: identifiers
// missing or unknown, empty texts, and texts whose placeholders, line breaks
// (\r\n), accelerators (&), file-filter parts (|) or framing blanks differ
// from the Spanish text of the same identifier. Empty when the file is fit.
std::vector<TLanguageProblem> CheckLanguageTable(const TLanguageTable &table);
