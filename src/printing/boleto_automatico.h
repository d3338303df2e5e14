#pragma once

#include "model/ticket_tables.h"

#include <cstdint>
#include <string>

class TfrReport;

// The dataset the print window offers, one record per ticket.
inline constexpr const char *kPrintBoletosDataSet = "frPrintBoletosDataSet";

// Replaces the report's content with the automatic ticket: one custom-size
// page of the ticket (turned for rotations 1 and 3), margins of 25 units, a
// master data band "DATA" bound to datasetName filling the printable height,
// a check box "POS_i_B_b_NUM_n" with the expression "[POS_i_B_b_NUM_n]" over
// every number and star box of every bet, then the memos "NBOLETO"
// ("[NBOLETO]/[TOTALBOLETOS]") and "COMB_NAME" ("[COMB_NAME]").
// rotation is 0 to 3 (0, 90, 180, 270 degrees); dx and dy move every box and
// text (not the band) by tenths of a millimetre. Raises EReportError for a
// rotation outside 0 to 3, the report left as it was.
void ConstruirBoletoAutomatico(TfrReport &report, int rotation, const TGeometriaBoleto &geometria,
                               const TFormatoBoleto &formato, int32_t dx, int32_t dy,
                               const std::string &datasetName);

// A rectangle in tenths of a millimetre on the unturned ticket.
struct TRectTenths {
    double x = 0, y = 0, w = 0, h = 0;
};

// The printed box of value n of block b of bet i (from 1), before rotation.
TRectTenths CasillaDeValor(const TGeometriaBoleto &geometria, const TFormatoBoleto &formato, int bet,
                           int block, int value);
