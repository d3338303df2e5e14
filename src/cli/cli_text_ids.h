#pragma once

#include <cstdint>

// Texts of the command-line companion (45536 to 45599, 45630 to 45699): a
// Spanish built-in text each, and its entries in the language files.

// Errors of the command line and of the opening every command shares
inline constexpr uint16_t kTxtCliUnknownCommand = 45536;   // "unknown command '%s' (try --help)"
inline constexpr uint16_t kTxtCliUnknownOption = 45537;    // "unknown option '%s' (try '%s --help')"
inline constexpr uint16_t kTxtCliOptionNeedsValue = 45538; // "option '%s' needs a value"
inline constexpr uint16_t kTxtCliOneArgumentTooMany =
    45539;                                                  // "'%s': one argument too many (try '%s --help')"
inline constexpr uint16_t kTxtCliNoCombinationFile = 45540; // "no combination file given (try '%s --help')"
inline constexpr uint16_t kTxtCliNoTextFile = 45541;        // "no text file given (try '%s --help')"
inline constexpr uint16_t kTxtCliNoCsvFile = 45542;         // "no CSV file given (try '%s --help')"
inline constexpr uint16_t kTxtCliNoLanguageFile = 45543;    // "no language file given (try '%s --help')"
inline constexpr uint16_t kTxtCliEditionNeedsValue = 45544; // "--edition needs a value: classic or current"
inline constexpr uint16_t kTxtCliUnknownEdition = 45545;    // "unknown edition '%s' (classic or current)"
inline constexpr uint16_t kTxtCliNotAValueList = 45546;     // "'%s' is not a value or a range like 1-10"
inline constexpr uint16_t kTxtCliValueOutside = 45547;      // "%d is outside %d to %d"
inline constexpr uint16_t kTxtCliKeptCopy =
    45548; // "a save of %s did not finish; its previous content is kept in %s"
inline constexpr uint16_t kTxtCliLanguageFileUnreadable =
    45549; // "the language file %s cannot be read; the texts stay Spanish"

// Written after the file's name
inline constexpr uint16_t kTxtCliNoDrawArchive = 45555; // "there is no such draw archive"

// check
inline constexpr uint16_t kTxtCliNotAPrice = 45556;        // "'%s' is not a price"
inline constexpr uint16_t kTxtCliNotADate = 45557;         // "'%s' is not a date of the form YYYY-MM-DD"
inline constexpr uint16_t kTxtCliCheckCombination = 45558; // "Combination: %s (%d bets, %s)"
inline constexpr uint16_t kTxtCliCheckDraws = 45559;       // "Draws: %d"
inline constexpr uint16_t kTxtCliCheckDrawRange = 45560;   // " (%s to %s)"
inline constexpr uint16_t kTxtCliCheckHits = 45561;        // "Hits: %d"
inline constexpr uint16_t kTxtCliCategoryHeader = 45562;   // "Category"
inline constexpr uint16_t kTxtCliHitsHeader = 45563;       // "Hits"
inline constexpr uint16_t kTxtCliTotalHeader = 45564;      // "Total"
inline constexpr uint16_t kTxtCliTotalPrizes = 45565;      // "Total prizes: %s"
inline constexpr uint16_t kTxtCliPricePerDraw = 45566;     // "Price per draw: %s"
inline constexpr uint16_t kTxtCliCostOfOneDraw = 45567;    // "Cost of %d draw: %s"
inline constexpr uint16_t kTxtCliCostOfDraws = 45568;      // "Cost of %d draws: %s"
inline constexpr uint16_t kTxtCliProfit = 45569;           // "Profit: %s"
inline constexpr uint16_t kTxtCliProfitPercentage = 45570; // "Profit percentage: %s"
inline constexpr uint16_t kTxtCliWinningBets = 45571;      // "Winning bets:"
inline constexpr uint16_t kTxtCliBetsNoDraw = 45572;       // "%s (%d bets, no draw checked)"
inline constexpr uint16_t kTxtCliOneBetAt = 45573;         // "%s (%d bet at %s)"
inline constexpr uint16_t kTxtCliBetsAt = 45574;           // "%s (%d bets at %s)"
inline constexpr uint16_t kTxtCliInOneDraw = 45575;        // " in %d draw"
inline constexpr uint16_t kTxtCliInDraws = 45576;          // " in %d draws"

// import-draws and update-draws
inline constexpr uint16_t kTxtCliArchive = 45577;    // "Archive: %s"
inline constexpr uint16_t kTxtCliRead = 45578;       // "Read: %d"
inline constexpr uint16_t kTxtCliAdded = 45579;      // "Added: %d"
inline constexpr uint16_t kTxtCliReplaced = 45580;   // "Replaced: %d"
inline constexpr uint16_t kTxtCliSkipped = 45581;    // "Skipped: %d"
inline constexpr uint16_t kTxtCliTodaysGame = 45582; // "Today's game: %d"
inline constexpr uint16_t kTxtCliLeftOut = 45583;    // "Left out: %d"
inline constexpr uint16_t kTxtCliFileLine = 45584;   // "%s, line %d: %s"
inline constexpr uint16_t kTxtCliTimeoutNeedsSeconds =
    45585; // "--timeout needs a whole number of seconds, 1 or more"
inline constexpr uint16_t kTxtCliDownloading = 45586;     // "Downloading %s"
inline constexpr uint16_t kTxtCliDrawsNotUpdated = 45587; // "draws not updated, %s left as it was:"
inline constexpr uint16_t kTxtCliSource = 45588;          // "Source: %s"
inline constexpr uint16_t kTxtCliRefusedLine = 45589;     // "Refused: %s, line %d: %s"
inline constexpr uint16_t kTxtCliRefusedFile = 45590;     // "Refused: %s: %s"

// generate
inline constexpr uint16_t kTxtCliSelectionTooSmallForBet =
    45591; // "the selection holds %d numbers and %d stars; a bet needs at least 5..."
inline constexpr uint16_t kTxtCliTooLargeToOptimize =
    45592; // "the selection is too large to optimize; the greedy reduction is kept"
inline constexpr uint16_t kTxtCliCoverageCheckFailed =
    45593; // "the bets found failed the coverage check; nothing written"
inline constexpr uint16_t kTxtCliNoBetPasses = 45594; // "no bet passes the group conditions; nothing written"
inline constexpr uint16_t kTxtCliOptimizing = 45595;  // "optimizing: %d bets (greedy %d)  %s of %s s"
inline constexpr uint16_t kTxtCliNotALevel = 45596;   // "'%s' is not a level of 1 to 7"
inline constexpr uint16_t kTxtCliNotBlocks = 45597;   // "'%s' is not N,S with N of 1 to 5 and S of 1 to 2"
inline constexpr uint16_t kTxtCliNotSeconds = 45598;  // "'%s' is not a number of seconds from 0 to 86400"
inline constexpr uint16_t kTxtCliNotASeed = 45599;    // "'%s' is not a whole number of 0 or more"
inline constexpr uint16_t kTxtCliGlobalOrBlocks = 45630;    // "--global and --blocks exclude each other"
inline constexpr uint16_t kTxtCliSeedNeedsOptimize = 45631; // "--seed needs --optimize"
inline constexpr uint16_t kTxtCliNoOutputFile = 45632;      // "no output file given (-o OUT.aem)"

// guarantee
inline constexpr uint16_t kTxtCliSelectionTooSmallForDraw =
    45633; // "the selection holds %d numbers and %d stars; a draw needs at least ..."
inline constexpr uint16_t kTxtCliArchiveGoesWithOdds =
    45634; // "--archive goes with --odds (try '%s --help')"

// import and export
inline constexpr uint16_t kTxtCliNoBetFound = 45635;        // "no bet found in %d lines; nothing written"
inline constexpr uint16_t kTxtCliTextOrXlsx = 45636;        // "give either --text OUT.txt or --xlsx OUT.xlsx"
inline constexpr uint16_t kTxtCliSeparatorsForText = 45637; // "separators apply to --text only"
inline constexpr uint16_t kTxtCliEmptyOutputName = 45638;   // "the output file name is empty"

// print
inline constexpr uint16_t kTxtCliCountry = 45639;  // "--country must be ES or FR"
inline constexpr uint16_t kTxtCliRotation = 45640; // "--rotation must be 0, 90, 180 or 270"
inline constexpr uint16_t kTxtCliOffset =
    45641; // "--offset must be DX,DY in millimetres, for example 1.5,-2"
inline constexpr uint16_t kTxtCliNoPdfFile = 45642;      // "no PDF file given (--pdf OUT.pdf)"
inline constexpr uint16_t kTxtCliNothingToPrint = 45643; // "the combination holds no bet: nothing to print"
inline constexpr uint16_t kTxtCliNoAutomaticTicket =
    45644; // "the automatic ticket of today's game is not available yet: print wi..."
inline constexpr uint16_t kTxtCliPagesWritten = 45645; // "%d pages written to %s"

// check-language
inline constexpr uint16_t kTxtCliNotALanguageFile = 45646; // "not a language file: %s"
inline constexpr uint16_t kTxtCliLanguageFileFit = 45647;  // "%d texts, fit"

// generate's progress on a terminal
inline constexpr uint16_t kTxtCliProgressKept = 45648; // "kept %d"

// Lines of the general help
inline constexpr uint16_t kTxtCliSummaryCheck =
    45650; // "check a combination against the draws of a date range"
inline constexpr uint16_t kTxtCliSummaryCheckLanguage =
    45651; // "check language files against the program's texts"
inline constexpr uint16_t kTxtCliSummaryExport =
    45652; // "write a combination's bets as text or as a workbook"
inline constexpr uint16_t kTxtCliSummaryGenerate =
    45653; // "generate bets from a selection into a combination file"
inline constexpr uint16_t kTxtCliSummaryGuarantee = 45654; // "what a combination guarantees over a selection"
inline constexpr uint16_t kTxtCliSummaryImport =
    45655; // "read the bets of a text file into a combination file"
inline constexpr uint16_t kTxtCliSummaryImportDraws =
    45656; // "merge published draw histories (CSV) into a draw archive"
inline constexpr uint16_t kTxtCliSummaryPrint = 45657; // "print a combination on tickets into a PDF file"
inline constexpr uint16_t kTxtCliSummaryShow = 45658;  // "print a combination file's name and bets"
inline constexpr uint16_t kTxtCliSummaryUpdateDraws =
    45659; // "download the draw results and merge them into a draw archive"

// The general help and the help of each command
inline constexpr uint16_t kTxtCliHelpHead =
    45660; // "Usage: qor-euromillon-cli COMMAND [OPTIONS]\n\nCommands:\n"
inline constexpr uint16_t kTxtCliHelpEditions =
    45661; // "\nEvery command takes --edition classic|current: the game its files..."
inline constexpr uint16_t kTxtCliHelpEndOfOptions =
    45662; // "\n-- ends the options: every argument after it is a file name, even..."
inline constexpr uint16_t kTxtCliHelpTail =
    45663; // "\nRun 'qor-euromillon-cli COMMAND --help' for the options of a comm..."
inline constexpr uint16_t kTxtCliUsageShow =
    45664; // "Usage: qor-euromillon-cli show FILE.aem\n\nPrints the combination's..."
inline constexpr uint16_t kTxtCliUsageCheck =
    45665; // "Usage: qor-euromillon-cli check FILE.aem [--archive FILE.emx] [--fr..."
inline constexpr uint16_t kTxtCliUsageExport =
    45666; // "Usage: qor-euromillon-cli export FILE.aem --text OUT.txt [--numbers..."
inline constexpr uint16_t kTxtCliUsageImport =
    45667; // "Usage: qor-euromillon-cli import FILE.txt -o OUT.aem [--append] [--..."
inline constexpr uint16_t kTxtCliUsageImportDraws =
    45668; // "Usage: qor-euromillon-cli import-draws FILE.csv... [--archive FILE...."
inline constexpr uint16_t kTxtCliUsageGenerate =
    45669; // "Usage: qor-euromillon-cli generate [--gem FILE] [--numbers LIST] [-..."
inline constexpr uint16_t kTxtCliUsageGenerateOptions =
    45670; // "  --gem FILE      selection, reduction and conditions from a genera..."
inline constexpr uint16_t kTxtCliUsageGuarantee =
    45671; // "Usage: qor-euromillon-cli guarantee FILE.aem [--numbers LIST] [--st..."
inline constexpr uint16_t kTxtCliUsageGuaranteeOptions =
    45672; // "  --numbers LIST  selected numbers (1-50), e.g. 1-10,15,20; default..."
inline constexpr uint16_t kTxtCliUsagePrint =
    45673; // "Usage: qor-euromillon-cli print FILE.aem --pdf OUT.pdf [--country E..."
inline constexpr uint16_t kTxtCliUsageUpdateDraws =
    45674; // "Usage: qor-euromillon-cli update-draws [--url URL] [--archive FILE...."
inline constexpr uint16_t kTxtCliUsageCheckLanguage =
    45675; // "Usage: qor-euromillon-cli check-language FILE.lng...\nExit status 0..."
inline constexpr uint16_t kTxtCliUsageGenerateGame =
    45676; // "The game is the edition in force (--edition classic|current, classi..."
inline constexpr uint16_t kTxtCliUsageGuaranteeGame =
    45677; // "FILE.aem is read in the game it names (an --edition of another game..."
