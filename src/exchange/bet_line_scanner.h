#pragma once

#include "model/bet_mask.h"

#include <cstdint>
#include <string_view>

// What one line of an imported text turned out to be. The values are the
// codes the import summary lists its counters in.
enum class TLineClass : int { Blank = 0, Bet = 1, Comment = 2, Error = 3 };

// Classifies one line of text, fed in pieces of any size, without keeping the
// line: memory stays the same however long the line is.
//
// Rules, in this order: digits make up a number; a semicolon makes the line a
// comment and ends the scan; any other character ends the pending number,
// which goes to the current block (numbers 1-50 until there are five, then
// stars 1 to the game's highest, 9 or 12, until there are two). A number the block refuses (out of range,
// repeated, or too large to be an integer) makes the line an error. Once the
// second star is in, the rest of the line is ignored. At the end of the line
// the pending number is ended the same way; a line holding a complete bet is
// a bet whatever else happened, and a line with no complete bet, no refused
// number and no semicolon is blank.
class TBetLineScanner {
public:
    // Stars run 1 to highestStar: 9 in the classic game, 12 in today's.
    explicit TBetLineScanner(int highestStar = 9) : highestStar_(highestStar) {}

    void Feed(std::string_view text);
    // Ends the line: returns its class, puts the bet read so far in bet (a
    // complete bet exactly when the class is Bet) and starts a new line.
    TLineClass EndLine(BetMask &bet);

private:
    void EndNumber();
    bool Scanning() const { return !done_ && !complete_; }

    int highestStar_;
    BetMask bet_ = 0;
    int numbers_ = 0;
    int stars_ = 0;
    int64_t pending_ = 0;
    bool hasPending_ = false;
    bool done_ = false;     // a semicolon ended the scan
    bool complete_ = false; // the second star is in
    TLineClass class_ = TLineClass::Blank;
};

// The class of one whole line, its bet in bet.
TLineClass ClassifyBetLine(std::string_view line, BetMask &bet, int highestStar = 9);
