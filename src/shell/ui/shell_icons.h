#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// The tool bar and button icons: the desktop icon theme's icon of the given
// freedesktop name when the theme has one, otherwise a built-in drawing of
// our own (vector-drawn, sharp at any size and device pixel ratio).
// Built-in drawings exist for the names of ShellIconNames(); any other name
// gives the theme's icon or a null icon.
QIcon ShellIcon(const QString &themeName);

// The built-in icon alone, bypassing the theme (null for an unknown name).
QIcon BuiltInShellIcon(const QString &themeName);

// Names with a built-in drawing:
//   document-new, document-open, document-save, document-save-as,
//   document-print, edit-delete, window-cascade, window-tile-horizontal,
//   window-tile-vertical, go-first, go-previous, go-next, go-last,
//   dialog-ok-apply, dialog-cancel, media-playlist-shuffle (random bet),
//   system-run (generate), help-contents, application-exit, view-list-details.
QStringList ShellIconNames();
