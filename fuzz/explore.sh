#!/usr/bin/env bash
# Runs one fuzz target for a while on a scratch copy of its corpus (the stored corpus stays as it is).
# A crash, a leak or one input running over a minute fails: the input is printed, byte by byte, so that
# it can be added to the corpus.
# Usage: explore.sh FUZZER CORPUS SECONDS
set -u
fuzzer=$1 corpus=$2 seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/findings"
cp "$corpus"/* "$work/corpus/"
ASAN_OPTIONS=detect_leaks=1 "$fuzzer" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" >"$work/log" 2>&1
status=$?
tail -n 15 "$work/log"
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/findings")" ]; then
  for finding in "$work/findings"/*; do
    [ -e "$finding" ] || continue
    echo "finding $(basename "$finding"), $(wc -c <"$finding") bytes:"
    od -A d -c "$finding"
  done
  echo "the fuzzer found an input that fails (exit $status)"
  exit 1
fi
