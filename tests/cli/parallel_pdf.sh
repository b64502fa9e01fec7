#!/usr/bin/env bash
# Two writers of one PDF at once: every run must succeed, the file must stay a whole PDF and no
# temporary may be left behind.
set -u
program=$1
design=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=25
writer() {
  local failed=0
  for _ in $(seq "$runs"); do
    "$program" --pdf "$work/out.pdf" "$design" 2>>"$work/err.$1" || failed=$((failed + 1))
  done
  echo "$failed" >"$work/failed.$1"
}
writer 1 &
writer 2 &
wait
failures=$(($(cat "$work/failed.1") + $(cat "$work/failed.2")))
if [ "$failures" -ne 0 ]; then
  echo "$failures of $((2 * runs)) runs failed:"
  cat "$work"/err.* | sort | uniq -c
  exit 1
fi
pdfinfo "$work/out.pdf" >/dev/null || { echo "out.pdf is no whole PDF"; exit 1; }
leftovers=$(find "$work" -name '.out.pdf.coilwise-*' | wc -l)
[ "$leftovers" -eq 0 ] || { echo "$leftovers temporaries left behind"; exit 1; }
