#pragma once

#include "model/euromillon_apuesta.h"
#include "model/ticket_tables.h"
#include "report/report_value.h"

#include <cstdint>
#include <string>

class TEuroMillonApuestas;
class TfrReport;

// The report variables and the ticket dataset of a combination printed on
// tickets of a format: one dataset record per ticket, ticket t carrying the
// bets (t - 1) x B + 1 to t x B, B being the format's bets per ticket.
//
// Variables (names compared without regard to case; i and b are the single
// characters at positions 5 and 9 counted from 1, any non-digit reading 0;
// n and k the decimal number from position 15, 0 when not a number; bet i of
// the current ticket exists when 1 <= i <= B and its position is below Count):
//   COMB_NAME, COMB_FILENAME   texts of the combination
//   NBOLETO                    the current ticket (integer, from 1)
//   TOTALAPUESTAS              the combination's Count
//   TOTALBOLETOS               TicketOfBet(Count) with the tables in force
//   POS_i_B_b_NUM_n            "1" when bet i holds n in block b, else "0";
//                              "1" for every POS_ name in test mode; stars
//                              n run to the combination's game's highest
//                              (9, or 12 in today's game)
//   NUM_i_B_b?????k            the k-th value (from 1, ascending) of block b
//                              of bet i as an integer when 1 <= k <= the
//                              block's size, else the empty text
//   BLOQUE_i_B_b               the block's text form (i at position 8, b at
//                              12), or the empty text
//   NAPUESTA_i                 bet i's position in the combination, from 1
//                              (i at position 10), or the empty text
// Any other name leaves the slot as it came.
class TPrintBoletosSource {
public:
    // The combination is read, not owned, and must outlive the source.
    TPrintBoletosSource(const TEuroMillonApuestas &apuestas, const TFormatoBoleto &formato);

    bool TestMode() const { return testMode_; }
    void SetTestMode(bool testMode) { testMode_ = testMode; }
    int32_t BoletoActual() const { return boletoActual_; }
    int32_t TotalBoletos() const;

    void ReportGetValue(const std::string &name, TfrValue &value);

    // Dataset events.
    void First() { boletoActual_ = 1; }
    void Next() { ++boletoActual_; }
    void Prior() { --boletoActual_; }
    bool CheckEof() const { return TotalBoletos() < boletoActual_; }

    // Makes this source the report's variable handler and creates (or takes)
    // the report's dataset of the name with these four events.
    void Attach(TfrReport &report, const std::string &datasetName);

private:
    // The combination's position of bet i of the current ticket; -1 when
    // i is out of 1..B or the bet does not exist.
    int BetPosition(int i) const;
    void AnswerPos(const std::string &upper, TfrValue &value) const;
    void AnswerNum(const std::string &upper, TfrValue &value) const;
    void AnswerBloque(const std::string &upper, TfrValue &value);

    const TEuroMillonApuestas &apuestas_;
    TFormatoBoleto formato_;
    int highestStar_;
    int32_t boletoActual_ = 1;
    bool testMode_ = false;
    TEuroMillonApuesta scratch_; // block texts are formed by the bet itself
};
