#pragma once

#include "model/bet_mask.h"

class TEuroMillonApuesta;

// The combination window's check before a bet is stored: 5 numbers and 2
// stars. Raises 41074 "La apuesta no tiene marcados los %d números
// necesarios" with 5, else 45516, which speaks of stars, with 2.
void CheckCompleteBet(const TEuroMillonApuesta &bet);

// The same test on a stored bet, without raising: true when it passes.
bool IsCompleteBet(BetMask bet);

class TEuroMillonApuestas;
// Raises EListError 45804, as InsertRange does, when the bets of source are
// of another game (edition) than target's: checked before bets are handed
// over in bulk, so that none is lost or changed on the way.
void CheckSameEdition(const TEuroMillonApuestas &source, const TEuroMillonApuestas &target);
