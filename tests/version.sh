#!/bin/bash
# One version: the project's is the one the manual page shows and, where the
# source has its Debian packaging, the upstream part of the package's,
# whatever epoch, revision or suffix (+b1, +nmu1) a distribution adds.
version=$1 page=$2 changelog=$3
. "$(dirname "$0")/lib.sh"

# shows NAME FILE SED: the sed -E script SED finds the version in FILE.
shows() {
	status=0
	: >"$tmp/err"
	gzip -dcf "$2" | sed -E -n "$3" >"$tmp/out"
	check "$1" 0 "$version\n" ''
}

shows 'the manual page' "$page" 's/^\.TH [^"]*"echo2 ([^"]*)".*/\1/p'
[ ! -f "$changelog" ] || shows 'debian/changelog' "$changelog" \
	'1s/^echo2 \(([0-9]+:)?([0-9]+(\.[0-9]+)*).*/\2/p'

finish
