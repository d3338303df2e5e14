#include "shell/ui/shell_tools.h"

TShellTools &ShellTools()
{
    static TShellTools tools;
    return tools;
}
