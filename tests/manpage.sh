#!/bin/bash
# The manual page, compressed or not, formats without a single warning under
# groff, on a UTF-8 terminal and on a plain ASCII one, and mandoc's lint
# finds nothing in it; on a UTF-8 terminal both show the prompt line as
# echo2 writes it.
. "$(dirname "$0")/lib.sh"
gzip -dcf "$1" >"$tmp/echo2.1"

# clean NAME COMMAND...: COMMAND on the page exits 0 and writes nothing.
clean() {
	status=0
	"${@:2}" "$tmp/echo2.1" >"$tmp/out" 2>"$tmp/err" || status=$?
	check "$1" 0 '' ''
}
# shows NAME COMMAND...: COMMAND shows the prompt line of the page, silently.
shows() {
	status=0
	"${@:2}" "$tmp/echo2.1" 2>"$tmp/err" |
		grep -o "$(printf '%b' "$prompt")" | head -n 1 >"$tmp/out"
	check "$1" 0 "$prompt\n" ''
}

can groff && clean 'groff -Tutf8' groff -man -Tutf8 -ww -z
can groff && clean 'groff -Tascii' groff -man -Tascii -ww -z
can groff && shows 'the prompt under groff' groff -man -Tutf8 -ww
can mandoc && clean 'mandoc -Tlint' mandoc -Tlint
can mandoc && shows 'the prompt under mandoc' mandoc -Tutf8

finish
