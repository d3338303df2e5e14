#!/bin/sh
# The command line's prize check of every simple bet of the classic game
# (76,275,360 bets) over the 378 classic draws, --summary: the elapsed time
# and the peak memory, the combination included, as /usr/bin/time -v gives
# them. The combination is made in a scratch folder, never in the tree.
#   bench/bench_check_game.sh [BUILD_BIN]     (default: build/bin)
set -e
BIN=${1:-build/bin}
CLI="$BIN/qor-euromillon-cli"
ARCHIVE="$BIN/Sorteos/QOREuroMillonSorteos.emx"
SCRATCH=$(mktemp -d /tmp/qor-bench-check.XXXXXX)
trap 'rm -rf "$SCRATCH"' EXIT
"$CLI" generate --numbers 1-50 --stars 1-9 -o "$SCRATCH/whole-game.aem" >/dev/null
/usr/bin/time -v "$CLI" check "$SCRATCH/whole-game.aem" --archive "$ARCHIVE" --summary \
    >"$SCRATCH/out.txt" 2>"$SCRATCH/time.txt"
cat "$SCRATCH/out.txt"
grep -E "Elapsed \(wall clock\)|Maximum resident set size|User time|System time" "$SCRATCH/time.txt"
