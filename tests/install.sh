#!/bin/bash
# cmake --install, staged with DESTDIR in a root of its own, puts echo2 and
# its manual page where the build was configured to, and the installed echo2
# runs. Nothing is written outside that root.
cmake=$1 build=$2 config=$3 bindir=$4 mandir=$5
. "$(dirname "$0")/lib.sh"

if ! DESTDIR=$tmp/root "$cmake" --install "$build" --config "$config" \
	>"$tmp/log" 2>&1; then
	cat "$tmp/log"
	echo 'FAIL: cmake --install'
	exit 1
fi
for file in "$bindir/echo2" "$mandir/man1/echo2.1"; do
	if [ ! -f "$tmp/root/$file" ]; then
		printf 'FAIL: no %s installed\n' "$file"
		failed=$((failed + 1))
	fi
done
echo2=$tmp/root/$bindir/echo2
printf 'abc\ndef\n' >"$tmp/in"
start <"$tmp/in" >"$tmp/out"
check 'the installed echo2' 0 "$prompt\nstr1=[abc]\nstr2=[def\n]\n" ''

finish
