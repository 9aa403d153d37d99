#!/bin/bash
# cmake --install, staged with DESTDIR in a root of its own, puts echo2 and
# its manual page where the build was configured to, and nothing else; the
# installed echo2 runs; the install manifest lists what to remove, under
# that root as DESTDIR put it. Nothing is written outside that root.
cmake=$1 build=$2 config=$3 program=$4 mandir=$5
. "$(dirname "$0")/lib.sh"

root=$tmp/root
# installed NAME: the files under $root, as the paths they stand for.
installed() {
	find "$root" ! -type d | sed "s,^$root,," | sort >"$tmp/out"
}

status=0
DESTDIR=$root "$cmake" --install "$build" --config "$config" \
	>"$tmp/log" 2>"$tmp/err" || status=$?
installed
check 'cmake --install' 0 "$program\n$mandir/man1/echo2.1\n" ''
echo2=$root$program
printf 'abc\ndef\n' >"$tmp/in"
run 'the installed echo2' 0 "$abc_def" '' <"$tmp/in" >"$tmp/out"
status=0
sed "s,^,$root," "$build/install_manifest.txt" | xargs -d '\n' rm -f \
	2>"$tmp/err" || status=$?
installed
check 'removed as the manifest lists' 0 '' ''

finish
