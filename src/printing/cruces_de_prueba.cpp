#include "printing/cruces_de_prueba.h"

#include "report/report.h"

#include <string>

void AnadirCrucesDePrueba(TfrReport &report)
{
    if (report.PageCount() == 0)
        return;
    TfrPage &page = report.Page(0);
    for (int bet = 1;; ++bet) {
        const std::string n = std::to_string(bet);
        const TfrView *box = page.FindObject("POS_" + n + "_B_1_NUM_1");
        if (!box)
            break;
        const int32_t cx = box->Left + box->Width / 2;
        const int32_t cy = box->Top + box->Height / 2;
        TfrView horizontal = MakeMemo("CRUZ_" + n + "_H", cx - kBrazoCruz, cy, 2 * kBrazoCruz, 0, "");
        horizontal.Frame = frbTop;
        TfrView vertical = MakeMemo("CRUZ_" + n + "_V", cx, cy - kBrazoCruz, 0, 2 * kBrazoCruz, "");
        vertical.Frame = frbLeft;
        page.Add(horizontal);
        page.Add(vertical);
    }
}
