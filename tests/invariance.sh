#!/bin/bash
# echo2 writes the same bytes however it is started: with arguments, with
# any environment or none, and on an input that never ends.
echo2=$1
. "$(dirname "$0")/lib.sh"

abc_def="$prompt\nstr1=[abc]\nstr2=[def\n]\n"
printf 'abc\ndef\n' >"$tmp/in"

start -n --help -- x <"$tmp/in" >"$tmp/out"
check 'arguments' 0 "$abc_def" ''
start '' <"$tmp/in" >"$tmp/out"
check 'an empty argument' 0 "$abc_def" ''
LANG=ja_JP.UTF-8 LC_ALL=C.UTF-8 LC_CTYPE=POSIX LANGUAGE=ja POSIXLY_CORRECT=1 \
	TERM=dumb start <"$tmp/in" >"$tmp/out"
check 'locale and other variables' 0 "$abc_def" ''
launch="env -i $launch" start <"$tmp/in" >"$tmp/out"
check 'an empty environment' 0 "$abc_def" ''

start < <(yes) >"$tmp/out"
check 'an endless input' 0 "$prompt\nstr1=[y]\nstr2=[y\n]\n" ''

finish
