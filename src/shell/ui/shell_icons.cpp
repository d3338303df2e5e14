#include "shell/ui/shell_icons.h"

#include "shell/ui/shell_icon_engine.h"

QIcon BuiltInShellIcon(const QString &themeName)
{
    if (!TShellIconEngine::Knows(themeName))
        return QIcon();
    return QIcon(new TShellIconEngine(themeName));
}

QIcon ShellIcon(const QString &themeName)
{
    const QIcon fallback = BuiltInShellIcon(themeName);
    if (fallback.isNull())
        return QIcon::fromTheme(themeName);
    return QIcon::fromTheme(themeName, fallback);
}

QStringList ShellIconNames()
{
    return TShellIconEngine::Names();
}
