#!/bin/bash
# echo2 at a terminal: the prompt is shown before echo2 waits for input, and
# the terminal then shows the typed lines and their echo.
echo2=$1
. "$(dirname "$0")/lib.sh"

if ! command -v expect >/dev/null; then
	echo 'FAIL: this test needs expect (Debian package expect)'
	exit 1
fi
status=0
expect "$(dirname "$0")/terminal.exp" "$echo2" >"$tmp/out" 2>"$tmp/err" ||
	status=$?
check 'abc and def typed' 0 "$prompt\r\nabc\r\ndef\r\nstr1=[abc]\r\nstr2=[def\r\n]\r\n" ''

finish
