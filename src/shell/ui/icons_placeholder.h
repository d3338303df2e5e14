#pragma once

// TEMPORARY until the shell's icons and pictures land.
#include <QIcon>
#include <QPixmap>

inline QIcon ShellIcon(const QString &themeName)
{
    return QIcon::fromTheme(themeName);
}

inline QPixmap EuroMillonWallpaper(qreal = 1.0)
{
    return QPixmap();
}
