#!/bin/bash
# echo2 writes the same bytes however it is started: with arguments, with
# any environment or none, and on an input that never ends.
echo2=$1 libc=$2
. "$(dirname "$0")/lib.sh"

# same NAME PREFIX [ARG...]: echo2, with ARGs and under the command PREFIX,
# a line of words, echoes abc and def all the same.
same() {
	local -a prefix
	read -ra prefix <<<"$2"
	with "${prefix[@]}" -- start "${@:3}" <"$tmp/in" >"$tmp/out"
	check "$1" 0 "$abc_def" ''
}

printf 'abc\ndef\n' >"$tmp/in"
locale='LANG=ja_JP.UTF-8 LC_ALL=C.UTF-8 LC_CTYPE=POSIX LANGUAGE=ja'
same 'arguments'                  ''           -n --help -- x
same 'an empty argument'          ''           ''
same 'locale and other variables' "env $locale POSIXLY_CORRECT=1 TERM=dumb"
same 'an empty environment'       'env -i'
run 'an endless input' 0 "$prompt\nstr1=[y]\nstr2=[y\n]\n" '' < <(yes) >"$tmp/out"

finish
