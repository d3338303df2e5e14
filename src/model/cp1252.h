#pragma once

#include <string>
#include <string_view>

// Conversion between the UTF-8 text the program holds in memory and the
// Windows-1252 bytes its files store.

// A character that Windows-1252 cannot hold, and any byte that is not valid
// UTF-8, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Every byte has a meaning: the five bytes Windows-1252 leaves undefined map
// to the C1 control characters of the same value, so any byte string survives
// a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);
