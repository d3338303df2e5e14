#pragma once

#include <cstdint>

class TEuroMillonApuesta;

// The binomial coefficient C(n, k); 0 when n < k.
int64_t Combinations(int n, int k);

// Simple bets a bet or selection holds: C(numbers, 5) x C(stars, 2).
// 1 for a complete plain bet, 0 for an incomplete one, 76275360 for every
// number and star.
int64_t CountSimpleBets(const TEuroMillonApuesta &bet);

// Adds one value of the block's range that the block does not hold yet,
// drawn uniformly with the program's generator. False without drawing when
// the block already holds its whole range, and false when the block refuses
// the value drawn (a plain bet's full block). Raises "Bloque not exists" for
// a block other than 1 or 2.
bool AddRandomNumber(TEuroMillonApuesta &selection, int block);
