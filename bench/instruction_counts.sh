#!/bin/sh
# Instructions per design of each piece of work of the instruction-count program, counted by
# callgrind. The counts are exact, so a change can be compared on a busy machine.
#   instruction_counts.sh PROGRAM
set -eu
program=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
printf '%-50s %12s\n' "work" "per design"
"$program" --list | while read -r workload times; do
    valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out" \
        "$program" "$workload" >/dev/null 2>&1 ||
        { echo "$workload failed" >&2; exit 1; }
    total=$(sed -n 's/^summary: *//p' "$out")
    printf '%-50s %12d\n' "$workload" $((total / times))
done
