#!/bin/sh
# Regenerates the pictures the desktop shell embeds (src/shell/ui/pictures).
# Needs a C++ compiler and the Qt 6 development files; runs offscreen.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
c++ -std=c++20 -fPIC -O1 -I"$root/src" \
    "$root/tools/pictures/make_shell_pictures.cpp" \
    "$root/src/shell/ui/euromillon_emblem.cpp" \
    "$root/src/shell/ui/picture_shapes.cpp" \
    $(pkg-config --cflags --libs Qt6Gui) -o "$work/make_shell_pictures"
QT_QPA_PLATFORM=offscreen "$work/make_shell_pictures" "$root/src/shell/ui/pictures"
echo "pictures written to $root/src/shell/ui/pictures"
