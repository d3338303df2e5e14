#pragma once

#include "model/bet_mask.h"

#include <string>
#include <vector>

class TStream;

// Writes one line per bet, in order: the bet's text form with the given
// separators in force (numbers "%.2d", ascending), each line ended by a
// carriage return and a line feed, the last one too, in Windows-1252. The
// program-wide separators are put back afterwards, also when writing fails.
// Raises EWriteError "Stream write error" when the stream refuses bytes.
void WriteBetText(TStream &stream, const std::vector<BetMask> &bets, const std::string &numberSeparator,
                  const std::string &blockSeparator);

// The same into a file, replaced only once written whole: a failed export
// leaves an existing file as it was. Raises EFCreateError "Cannot create file
// %s" and the write errors.
void WriteBetTextFile(const std::string &path, const std::vector<BetMask> &bets,
                      const std::string &numberSeparator, const std::string &blockSeparator);
