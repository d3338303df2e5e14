#pragma once

#include "report/report.h"

#include <string>

// A template using every kind of object and every field.
inline void FillSampleReport(TfrReport &report)
{
    report.Clear();
    TfrPage &ticket = report.AddPage();
    ticket.SetPaper(kPaperCustom, 1610, 1040);
    ticket.SetMargins({25, 25, 25, 25});
    ticket.SetBin(7);
    ticket.Add(MakeBand("DATA", TfrBandKind::MasterData, 0, 25, 0, 323, "frPrintBoletosDataSet"));
    TfrView memo = MakeMemo("NBOLETO", 378, 72, 108, 14, "[NBOLETO]/[TOTALBOLETOS]");
    memo.Font = {"DejaVu Sans", 8, true, true};
    memo.Alignment = frtaCenter | frtaVertical;
    memo.Flags = flAutoWidth;
    memo.Frame = frbAll;
    ticket.Add(memo);
    ticket.Add(MakeCheckBox("POS_1_B_1_NUM_7", 52, 199, 10, 14, "[POS_1_B_1_NUM_7]"));
    ticket.Add(MakePicture("LOGO", 5, 5, 20, 20, std::string("\x89PNG\r\n\x1a\n\0\xff", 10)));

    TfrPage &listing = report.AddPage();
    listing.SetPaper(kPaperA4);
    listing.SetOrientation(TfrOrientation::Landscape);
    listing.Add(MakeBand("HEADER", TfrBandKind::PageHeader, 0, 0, 0, 40));
    listing.Add(MakeBand("FOOTER", TfrBandKind::PageFooter, 0, 700, 0, 30));
    listing.Add(MakeMemo("Título", 10, 5, 500, 20, "Combinación: [COMB_NAME] — año"));
}
