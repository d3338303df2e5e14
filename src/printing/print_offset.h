#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Print offsets are typed in millimetres and kept in tenths of a millimetre.
// The print window and the command line read them through this one parser,
// so a typed value prints the same from both.

// Parses an optional sign, digits and at most one decimal separator (the
// point, or decimalSeparator where the user's notation has another one),
// surrounding blanks allowed. The decimal text is rounded to tenths exactly,
// halves away from zero (0.25 mm gives 3, -0.25 mm gives -3). Returns nothing
// for any other text and for offsets past a metre either way.
std::optional<int32_t> ParseOffsetTenths(std::string_view text, char decimalSeparator = '.');

// The largest offset either way, in tenths: a metre, beyond any sheet.
inline constexpr int32_t kMaxOffsetTenths = 10000;
