#pragma once

#include "exchange/bet_line_scanner.h"
#include "exchange/exchange_progress.h"
#include "model/bet_mask.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class TStream;
class TEuroMillonApuestas;

// What a read found: the lines of the text and how many fell in each class.
struct TBetTextCounts {
    int64_t lines = 0;
    int64_t byClass[4] = {0, 0, 0, 0}; // indexed by TLineClass

    int64_t Of(TLineClass lineClass) const { return byClass[static_cast<int>(lineClass)]; }
};

// Receives the bets found, in text order, a batch at a time.
using TBetSink = std::function<void(const BetMask *bets, size_t count)>;

// Reads a text of any length in one pass, line by line (a line ends at a
// carriage return, a line feed or the pair; a last line without an end
// counts), classifying each line with TBetLineScanner (stars 1 to
// highestStar). A text in UTF-16 or UTF-32 that starts with its byte-order
// mark (either byte order) is read character by character, as the same text
// in single bytes would be. Only the bets found are handed on; neither the text nor a
// line is ever held whole. Progress counts the bytes read of the stream's size.
TBetTextCounts ReadBetText(TStream &stream, const TBetSink &sink, const TExchangeProgress &progress = {},
                           int highestStar = 9);

// The same over a file. Raises EFOpenError "Cannot open file %s" when the
// file cannot be opened.
TBetTextCounts ReadBetTextFile(const std::string &path, const TBetSink &sink,
                               const TExchangeProgress &progress = {}, int highestStar = 9);

// Reads a file and appends the bets found to the combination, as they stand
// (one change); stars are read up to the highest of the combination's game.
// Raises as ReadBetTextFile, and passes on errors raised by progress; the
// combination is then unchanged.
TBetTextCounts ImportBetTextFile(const std::string &path, TEuroMillonApuestas &into,
                                 const TExchangeProgress &progress = {});
