#!/bin/bash
# echo2 writes the same bytes however it is started: with arguments, with
# any environment or none, and on an input that never ends.
echo2=$1
. "$(dirname "$0")/lib.sh"

printf 'abc\ndef\n' >"$tmp/in"
run 'arguments'       0 "$abc_def" '' -n --help -- x <"$tmp/in" >"$tmp/out"
run 'empty argument'  0 "$abc_def" '' ''               <"$tmp/in" >"$tmp/out"
LANG=ja_JP.UTF-8 LC_ALL=C.UTF-8 LC_CTYPE=POSIX LANGUAGE=ja POSIXLY_CORRECT=1 \
	TERM=dumb run 'locale and other variables' 0 "$abc_def" '' \
	<"$tmp/in" >"$tmp/out"
launch="env -i $launch" run 'empty environment' 0 "$abc_def" '' \
	<"$tmp/in" >"$tmp/out"
run 'endless input' 0 "$prompt\nstr1=[y]\nstr2=[y\n]\n" '' < <(yes) >"$tmp/out"

finish
