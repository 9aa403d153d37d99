#!/bin/bash
# One version everywhere: the project's, the one the manual page shows and,
# where the source has its Debian packaging, the upstream part of the
# package's, whatever epoch, revision or suffix (+b1 for a binNMU, +nmu1, a
# downstream one) a distribution adds.
version=$1 page=$2 changelog=$3
. "$(dirname "$0")/lib.sh"

status=0
: >"$tmp/err"
sed -n 's/^\.TH [^"]*"echo2 \([^"]*\)".*/\1/p' "$page" >"$tmp/out"
check 'the manual page' 0 "$version\n" ''
if [ -f "$changelog" ]; then
	sed -E -n '1s/^echo2 \(([0-9]+:)?([0-9]+(\.[0-9]+)*).*/\2/p' "$changelog" >"$tmp/out"
	check 'debian/changelog' 0 "$version\n" ''
fi

finish
