#!/bin/sh
# The core's layers, checked on the sources: the model sits at the bottom and
# includes only itself, and no core folder includes Qt (Qt lives in ui/, net/
# and render/ below them).
#   check_layers.sh SOURCE_DIR
set -u
src=${1:?source folder}/src
status=0
if grep -rn '#include "' "$src/model" | grep -v '#include "model/'; then
    echo "the model includes a folder above it" >&2
    status=1
fi
for folder in model framework generator draws exchange report printing; do
    if grep -rln '#include <Q' "$src/$folder" | grep -v -e '/ui/' -e '/net/' -e '/render/'; then
        echo "a core file of $folder includes Qt" >&2
        status=1
    fi
done
exit $status
