#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// One entry of the program's own Spanish text table.
struct TBuiltinText {
    uint16_t id;
    std::string_view text;
};

// Every built-in text, sorted by identifier, none longer than 1023 characters.
std::span<const TBuiltinText> BuiltinTexts();

// The built-in text of the identifier; empty when the table lacks it.
std::string_view BuiltinText(uint16_t id);
