#pragma once

#include "model/bet_mask.h"
#include "model/game_rules.h"

#include <optional>
#include <string>

// A block of a selection written as the user types it: values and ranges
// separated by commas, "1-10,15,20". Block 1 is the numbers (1-50), block 2
// the stars (1 to the edition's highest star: 9 classic, 12 today).

// The block's values of the selection, consecutive runs of three or more
// written as ranges: "1-6,8,10-12". Empty when the block holds nothing.
std::string SelectionValuesText(BetMask selection, int block, TGameEdition edition = TGameEdition::Classic);

// The block's values as a mask (numbers or stars bits only). Items may be
// separated by commas, semicolons or blanks; an empty text is the empty set.
// Nothing when an item is not a value or a range "a-b" with a <= b, or a
// value lies outside the block's range.
std::optional<BetMask> ParseSelectionValues(const std::string &text, int block,
                                            TGameEdition edition = TGameEdition::Classic);
