#!/bin/bash
# echo2 when a stream fails: status 1 and one line on stderr for each failed
# stream, with everything else it writes unchanged. The end of the input is
# not a failure.
echo2=$1
. "$(dirname "$0")/lib.sh"

no_input="$prompt\nstr1=[]\nstr2=[]\n"
printf 'abc\ndef\n' >"$tmp/in"

start <"$tmp/in" >/dev/full
check 'stdout full' 1 '' 'echo2: write error: No space left on device\n'
start <"$tmp/in" >&-
check 'stdout closed' 1 '' 'echo2: write error: Bad file descriptor\n'
start </ >"$tmp/out"
check 'stdin a directory' 1 "$no_input" 'echo2: read error: Is a directory\n'
start <&- >"$tmp/out"
check 'stdin closed' 1 "$no_input" 'echo2: read error: Bad file descriptor\n'
start </ >/dev/full
check 'both failed' 1 '' 'echo2: read error: Is a directory\necho2: write error: No space left on device\n'
start </dev/null >"$tmp/out"
check 'stdin empty' 0 "$no_input" ''

finish
