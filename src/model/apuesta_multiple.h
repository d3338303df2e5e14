#pragma once

#include "model/bet_mask.h"
#include "model/numeros.h"

#include <string>

// A bet reduced to plain data: the numbers of block 1 and the stars of
// block 2, each ascending and without repeats. Draws keep their winning bet
// this way; a combination keeps its bets as masks (see BetMask).
struct TEuroMillonApuestaMultiple {
    TEuroMillonNumeros Numeros;
    TEuroMillonNumeros Estrellas;

    bool operator==(const TEuroMillonApuestaMultiple &) const = default;
};

// The record's values as a mask; values outside 1-50 and 1 to highestStar
// (9 in the classic game, 12 today) are dropped.
BetMask RecordToMask(const TEuroMillonApuestaMultiple &record, int highestStar = 9);

// The mask's numbers and stars in ascending order.
TEuroMillonApuestaMultiple MaskToRecord(BetMask mask);

// The text form of the bet the mask holds, with the separators in force:
// the same text TEuroMillonApuesta::AsText gives for it.
std::string MaskToText(BetMask mask);
