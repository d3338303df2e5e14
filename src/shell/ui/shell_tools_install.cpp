#include "shell/ui/shell_tools.h"

#include "draws/ui/prizes_tool.h"

// Plugs each subsystem's windows into the shell's commands. One line per
// window; a command whose entry stays empty is disabled by its window.
void InstallShellTools()
{
    [[maybe_unused]] TShellTools &tools = ShellTools();
    tools.prizes = MostrarPremios;
}
