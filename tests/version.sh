#!/bin/bash
# One version everywhere: the project's, the one the manual page shows and
# the one the Debian package carries.
version=$1 page=$2 changelog=$3
. "$(dirname "$0")/lib.sh"

status=0
: >"$tmp/err"
sed -n 's/^\.TH [^"]*"echo2 \([^"]*\)".*/\1/p' "$page" >"$tmp/out"
check 'the manual page' 0 "$version\n" ''
sed -n '1s/^echo2 (\([^)]*\)).*/\1/p' "$changelog" >"$tmp/out"
check 'debian/changelog' 0 "$version\n" ''

finish
