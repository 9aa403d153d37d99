#!/bin/bash
# The manual page formats without a single warning under groff, on a UTF-8
# terminal and on a plain ASCII one, and mandoc's lint finds nothing in it;
# on a UTF-8 terminal both show the prompt line as echo2 writes it.
page=$1
. "$(dirname "$0")/lib.sh"

# shows NAME COMMAND...: COMMAND, silent on stderr, shows the prompt line.
shows() {
	status=0
	"${@:2}" "$page" 2>"$tmp/err" |
		grep -o "$(printf '%b' "$prompt")" | head -n 1 >"$tmp/out"
	check "$1" 0 "$prompt\n" ''
}

if can groff; then
	for device in utf8 ascii; do
		status=0
		groff -man -T"$device" -ww -z "$page" >"$tmp/out" 2>"$tmp/err" ||
			status=$?
		check "groff -T$device" 0 '' ''
	done
	shows 'the prompt under groff' groff -man -Tutf8 -ww
fi
if can mandoc; then
	status=0
	mandoc -Tlint "$page" >"$tmp/out" 2>"$tmp/err" || status=$?
	check 'mandoc -Tlint' 0 '' ''
	shows 'the prompt under mandoc' mandoc -Tutf8
fi

finish
