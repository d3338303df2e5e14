#!/bin/sh
# Runs every screenshot program (tests named *_test_screenshot*) under a
# virtual X server; each saves its windows as PNG files in one folder.
#   tools/screenshot.sh build/bin [folder]   (default: build/screenshots)
set -eu
bin_dir=${1:-build/bin}
output=${2:-$bin_dir/../screenshots}
case "$output" in
    /*) ;;
    *) output="$(pwd)/$output" ;;
esac
mkdir -p "$output"
rm -f "$output"/*.png
found=0
for program in "$bin_dir"/*_test_screenshot*; do
    [ -x "$program" ] || continue
    found=1
    QOR_SCREENSHOT_DIR="$output" QT_QPA_PLATFORM=xcb \
        xvfb-run --auto-servernum --server-args="-screen 0 1400x900x24" "$program" >/dev/null
done
if [ "$found" = 0 ]; then
    echo "screenshot: no screenshot program in $bin_dir; build the project first" >&2
    exit 1
fi
if ! ls "$output"/*.png >/dev/null 2>&1; then
    echo "screenshot: no picture was written" >&2
    exit 1
fi
ls "$output"/*.png | sed 's/^/screenshot: /'
