#!/bin/bash
# cmake --install puts echo2 and its manual page in place under a prefix,
# and the installed echo2 runs.
cmake=$1 build=$2 config=$3
. "$(dirname "$0")/lib.sh"

if ! "$cmake" --install "$build" --config "$config" --prefix "$tmp/prefix" \
	>"$tmp/log" 2>&1; then
	cat "$tmp/log"
	echo 'FAIL: cmake --install'
	exit 1
fi
for file in bin/echo2 share/man/man1/echo2.1; do
	if [ ! -f "$tmp/prefix/$file" ]; then
		printf 'FAIL: no %s installed\n' "$file"
		failed=$((failed + 1))
	fi
done
echo2=$tmp/prefix/bin/echo2
printf 'abc\ndef\n' >"$tmp/in"
start <"$tmp/in" >"$tmp/out"
check 'the installed echo2' 0 "$prompt\nstr1=[abc]\nstr2=[def\n]\n" ''

finish
