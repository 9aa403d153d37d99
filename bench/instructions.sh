#!/bin/bash
# bench/instructions.sh [BUILD]: the instructions that one run of echo2 on
# two short lines costs, counted by callgrind, beside an empty program built
# with the same compiler and flags. Both pay the same process start-up and
# dynamic linking, whose cost moves with the processor, the system's
# libraries and the environment; what echo2 adds above the empty program
# hardly moves, and the run fails when that is more than $limit, the bound
# set here and nowhere else. Every program runs in an empty environment;
# head -n 2 is there for comparison.
set -euo pipefail
build=${1:-build/default}
limit=16000

if ! valgrind=$(command -v valgrind); then
	echo 'FAIL: the benchmark needs valgrind (Debian package valgrind)'
	exit 1
fi
count() {
	printf 'abc\ndef\n' |
		env -i -C "$tmp" "$valgrind" --tool=callgrind --callgrind-out-file=/dev/null \
			"$@" 2>&1 >/dev/null | sed -n 's/^==[0-9]*== Collected : //p'
}

# Copies run in a directory whose path has a fixed length: the lengths of
# the program's path and of the working directory's shift the alignment of
# what a program works on, and with it a few instructions.
cmake --build "$build" --target empty >/dev/null
tmp=$(mktemp -d /tmp/echo2-bench.XXXXXXXXXX)
trap 'rm -rf "$tmp"' EXIT
cp "$build/echo2" "$build/bench/empty" "$tmp"
echo2=$(count "$tmp/echo2")
empty=$(count "$tmp/empty")
head=$(count "$(command -v head)" -n 2)
printf '%-15s %7d\n' echo2 "$echo2" 'empty program' "$empty" \
	'echo2 - empty' $((echo2 - empty)) 'head -n 2' "$head"
awk -v a="$echo2" -v b="$empty" 'BEGIN { printf "%-15s %7.3f\n", "echo2 / empty", a / b }'
printf '%-15s %7d\n' bound "$limit"
if ((echo2 - empty > limit)); then
	printf 'FAIL: echo2 adds %d instructions to the empty program, more than %d\n' \
		$((echo2 - empty)) "$limit"
	exit 1
fi
