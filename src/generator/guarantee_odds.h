#pragma once

#include "draws/currency.h"
#include "generator/guarantee_report.h"
#include "model/game_rules.h"
#include "model/prize_categories.h"

#include <array>
#include <cstdint>

class TSorteosEuroMillon;

// What the odds of a combination over the whole game are worth in money, at
// the prizes the draw archive has paid. Every bet has the same odds of each
// category, so the expected prizes grow with the bets exactly as the cost
// does: no combination changes the expected return of a bet.

// The average prize of each category (entry c-1) over the draws of the
// archive that paid it: some winner and a prize above 0. Draws without
// winners of a category (the jackpot carried over) say nothing of what a
// winner gets. 0 for a category no draw paid.
struct TAveragePrizes {
    std::array<Currency, kMaxCategorias> Average{};
    std::array<int, kMaxCategorias> Draws{};
    bool operator==(const TAveragePrizes &) const = default;
};

TAveragePrizes AveragePrizes(const TSorteosEuroMillon &archive);

// The program's draw archive of the edition (today's game's prepared from
// the shipped one when the user has none). Empty averages when there is no
// archive or it cannot be read: the figures then count no money.
TAveragePrizes AveragePrizesOfArchive(TGameEdition edition);

// The prizes the bets win in one draw, on average over every draw of the
// game: the wins of each category times its average prize, over the draws;
// rounded half away from zero. 0 when the odds count no draw.
Currency ExpectedPrizes(const TGuaranteeOdds &odds, const TAveragePrizes &prizes);

// What the bets cost in one draw today: 2.00 a bet in the classic game, the
// price in force in today's game.
Currency CostOfOneDraw(int64_t bets, TGameEdition edition);

// An amount as a plain decimal with two places and no grouping ("1234.50"),
// as the command line prints it.
std::string PlainAmount(Currency amount);
