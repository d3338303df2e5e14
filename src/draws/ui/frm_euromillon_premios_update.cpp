// The prizes window's download of the draw results.
#include "draws/ui/frm_euromillon_premios.h"

#include "draws/draw_archive.h"
#include "draws/draw_files.h"
#include "draws/ui/draw_update_ui.h"

void TFRMEuroMillonPremios::ActualizarSorteos()
{
    ActualizarSorteosDesdeInternet(this, edition_, [this] {
        sorteos_->Clear();
        sorteos_->LoadFromFile(ArchivoSorteos(edition_));
        CargarRango();
    });
}
