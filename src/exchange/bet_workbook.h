#pragma once

#include "exchange/exchange_progress.h"
#include "model/bet_mask.h"

#include <cstddef>
#include <string>
#include <vector>

// The worksheet's name for a combination: the name's ASCII letters, digits and
// underscores in their order and letter case, everything else dropped, cut to
// 30 characters; "QOREuromillon" when nothing is left.
std::string SheetNameFor(const std::string &combinationName);

// The most rows a worksheet holds.
inline constexpr size_t kMaxSheetRows = 1048576;

// Writes a workbook (.xlsx) of one worksheet with the given name, the bet at
// position p (from 1) in row p: its five numbers ascending in columns 1 to 5,
// its two stars in columns 6 and 7, all integer cells; nothing else. Rows are
// streamed to disk as they are written, so memory does not grow with the bets.
// The file is replaced only once written whole.
// Raises EWriteError kTxtTooManyBetsForSheet when the bets do not fit in one
// worksheet (nothing is written then), EFCreateError "Cannot create file %s"
// when the file cannot be made, and EWriteError with the library's reason when
// writing fails; errors raised by progress pass through. A failed write leaves
// no file.
void WriteBetWorkbook(const std::string &path, const std::string &sheetName, const std::vector<BetMask> &bets,
                      const TExchangeProgress &progress = {});

// folder/stem_N.extension for the lowest N from 1 naming no existing file.
std::string FreeNumberedPath(const std::string &folder, const std::string &stem,
                             const std::string &extension);
