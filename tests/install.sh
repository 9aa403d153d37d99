#!/bin/bash
# cmake --install, staged with DESTDIR in a root of its own, puts echo2 and
# its manual pages where the build was configured to, and nothing else; the
# installed echo2 runs; the install manifest lists what to remove, under
# that root as DESTDIR put it. Nothing is written outside that root. Any
# layout will do: the paths are compared as sorted lists, in whatever
# order their directories sort.
cmake=$1 build=$2 config=$3 program=$4 mandir=$5
. "$(dirname "$0")/lib.sh"

root=$tmp/root
# installed: the files under $root, as the paths they stand for.
installed() {
	(cd "$root" && find . ! -type d) | sed 's/^\.//' | sort >"$tmp/out"
}

status=0
DESTDIR=$root "$cmake" --install "$build" --config "$config" \
	>"$tmp/log" 2>"$tmp/err" || status=$?
installed
check 'cmake --install' 0 "$(printf '%s\n' "$program" "$mandir/man1/echo2.1" \
	"$mandir/ja/man1/echo2.1" | sort)\n" ''
echo2=$root$program
printf 'abc\ndef\n' >"$tmp/in"
run 'the installed echo2' 0 "$abc_def" '' <"$tmp/in" >"$tmp/out"
status=0
: >"$tmp/err"
while IFS= read -r path || [ -n "$path" ]; do
	rm -f "$root$path" 2>>"$tmp/err" || status=$?
done <"$build/install_manifest.txt"
installed
check 'removed as the manifest lists' 0 '' ''

finish
