#include "shell/ui/shell_tools.h"

#include "draws/ui/prizes_tool.h"
#include "exchange/ui/frm_export.h"
#include "exchange/ui/frm_importar.h"
#include "generator/genera_comb.h"
#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_garantia.h"
#include "printing/ui/frm_print_boletos.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"

// Plugs each subsystem's windows into the shell's commands. One line per
// window; a command whose entry stays empty is disabled by its window.
void InstallShellTools()
{
    TShellTools &tools = ShellTools();
    tools.guarantee = ShowGuaranteeWindow;
    tools.importBets = ShowImportWindow;
    tools.exportBets = ShowExportWindow;
    tools.prizes = MostrarPremios;
    tools.generator = RunGeneratorWindow;
    tools.newCombinationWizard = [](TFRMMainMDI &main) {
        RunNewCombinationWizard(
            &main, [&main]() -> TEuroMillonApuestas & { return main.NewCombinationWindow()->Combination(); });
    };
    tools.printTickets = ShowPrintTickets;
    tools.printListing = ShowPrintListing;
}
