#!/bin/sh
# Runs every libFuzzer program of a fuzz build for a while, one after another
# at low priority, and prints a table: harness, executions, coverage,
# findings. Usage: tools/fuzz.sh BUILD_DIR SECONDS_EACH [HARNESS...]
# (every harness when none is named)
# Each harness starts from its seeds (fuzz/corpus/<name>) and its past
# findings (fuzz/findings/<name>), grows a working corpus in
# BUILD_DIR/fuzz-work/<name>/corpus and leaves what it finds (crash-*,
# timeout-*, oom-*, leak-*) in BUILD_DIR/fuzz-work/<name>/findings. A fixed
# finding belongs in fuzz/findings/<name>, where every test run replays it.
set -u
build=${1:?build folder}
seconds=${2:-60}
shift 2
only="$*"
source_dir=$(cd "$(dirname "$0")/.." && pwd)
status=0
rows=""

for program in "$build"/bin/fuzz_*; do
  [ -x "$program" ] || continue
  name=${program##*/fuzz_}
  case " ${only:-$name} " in *" $name "*) ;; *) continue ;; esac
  work="$build/fuzz-work/$name"
  mkdir -p "$work/corpus" "$work/findings"
  for seeds in "$source_dir/fuzz/corpus/$name" "$source_dir/fuzz/findings/$name"; do
    [ -d "$seeds" ] && cp -n "$seeds"/* "$work/corpus/" 2>/dev/null
  done
  dict=""
  [ -f "$source_dir/fuzz/dict/$name.dict" ] && dict="-dict=$source_dir/fuzz/dict/$name.dict"
  before=$(ls "$work/findings" | wc -l)
  echo "== $name: $seconds s" >&2
  nice -n 15 "$program" "$work/corpus" $dict -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=512 -malloc_limit_mb=512 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" >"$work/log" 2>&1
  code=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$work/log" | tail -1 | sed 's/cov: //')
  findings=$(( $(ls "$work/findings" | wc -l) - before ))
  [ "$findings" -gt 0 ] && status=1
  # A harness that died without leaving a finding (bad flag, missing library,
  # killed) ran nothing: say so instead of reporting a clean run.
  if [ "$findings" -eq 0 ] && { [ $code -ne 0 ] || [ -z "$executions" ]; }; then
    echo "$name exited with status $code and no statistics; see $work/log" >&2
    status=1
    executions="died"
  fi
  rows="$rows$(printf '%-18s %12s %9s %9s' "$name" "${executions:-?}" "${coverage:-?}" "$findings")
"
done

printf '%-18s %12s %9s %9s\n' harness executions coverage findings
printf '%s' "$rows"
[ $status -eq 0 ] || echo "Findings are in $build/fuzz-work/*/findings" >&2
exit $status
