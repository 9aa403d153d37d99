#!/bin/bash
# bench/instructions.sh [ECHO2]: the instructions that one run of echo2 on
# two short lines costs, counted by callgrind, beside /bin/true's. Both pay
# the same process start and dynamic linking, so the ratio is what echo2
# adds to it; the run fails when the ratio is above 1.05.
set -euo pipefail
echo2=${1:-build/default/echo2}

count() {
	printf 'abc\ndef\n' |
		valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" \
			2>&1 >/dev/null | sed -n 's/^==[0-9]*== Collected : //p'
}

echo2_count=$(count "$echo2")
true_count=$(count /bin/true)
printf '%-10s %s\n' echo2 "$echo2_count" /bin/true "$true_count"
awk -v a="$echo2_count" -v b="$true_count" \
	'BEGIN { printf "ratio      %.3f\n", a / b; exit !(a / b <= 1.05) }'
