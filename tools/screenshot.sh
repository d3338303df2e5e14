#!/bin/sh
# Grabs the main window with two combination windows (ticket view and numbers
# view) under a virtual X server.
#   tools/screenshot.sh build/bin [output.png]   (default: build/screenshot.png)
set -eu
bin_dir=${1:-build/bin}
output=${2:-$bin_dir/../screenshot.png}
program="$bin_dir/shell_ui_test_screenshot"
if [ ! -x "$program" ]; then
    echo "screenshot: $program is missing; build the project first" >&2
    exit 1
fi
case "$output" in
    /*) ;;
    *) output="$(pwd)/$output" ;;
esac
rm -f "$output"
QOR_SCREENSHOT_PNG="$output" QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1400x900x24" "$program" >/dev/null
if [ ! -s "$output" ]; then
    echo "screenshot: no picture was written" >&2
    exit 1
fi
echo "screenshot: $output"
