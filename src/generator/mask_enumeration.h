#pragma once

#include "model/bet_mask.h"

#include <vector>

// The generator's walk over a selection, as masks. Candidates come in one
// fixed order: the pairs of stars are the outer sequence and the sets of five
// numbers the inner one, both in lexicographic order of their values.

// Every set of five of the selection's numbers, lexicographic (the last
// number moves fastest). Empty when fewer than five numbers are selected.
std::vector<BetMask> NumberQuintetMasks(BetMask selection);

// Every set of k of the selection's numbers (k 0 to 7), lexicographic; the
// empty set alone for k 0. Empty when fewer than k numbers are selected.
std::vector<BetMask> NumberSubsetMasks(BetMask selection, int k);

// Every pair of the selection's stars, lexicographic. Empty when fewer than
// two stars are selected.
std::vector<BetMask> StarPairMasks(BetMask selection);

// Every k-subset of the set bits of values, lexicographic by bit position
// (k at most 8). Empty when values holds fewer than k bits.
std::vector<BetMask> SubsetsOfBits(BetMask values, int k);

// Numbers and stars of a selection mask, ascending (numbers 1-50, stars 1-12).
std::vector<int> MaskNumbers(BetMask mask);
std::vector<int> MaskStars(BetMask mask);
