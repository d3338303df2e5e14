#include "draws/ui/prizes_tool.h"

#include "draws/ui/frm_euromillon_premios.h"

void MostrarPremios(QWidget *owner, TEuroMillonApuestas &combination)
{
    TFRMEuroMillonPremios window(owner);
    window.SetApuestas(&combination);
    window.exec();
}
