#!/bin/bash
# One version and one date: the project's version is the one each manual
# page shows and, where the source has its Debian packaging, the upstream
# part of the package's, whatever epoch, revision or suffix (+b1, +nmu1) a
# distribution adds; each page is dated as the package's latest entry.
version=$1 changelog=$2
. "$(dirname "$0")/lib.sh"

# shows NAME FILE SED WANT: the sed -E script SED finds WANT in FILE.
shows() {
	status=0
	: >"$tmp/err"
	gzip -dcf "$2" | sed -E -n "$3" >"$tmp/out"
	check "$1" 0 "$4\n" ''
}

date=''
if [ -f "$changelog" ]; then
	shows 'debian/changelog' "$changelog" \
		'1s/^echo2 \(([0-9]+:)?([0-9]+(\.[0-9]+)*).*/\2/p' "$version"
	months=(Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
	read -r day month year < <(sed -E -n \
		'/^ -- /{s/.*, +([0-9]+) ([A-Z][a-z]+) ([0-9]+) .*/\1 \2 \3/p;q;}' \
		"$changelog")
	for ((m = 0; m < 12; m++)); do
		[ "${months[m]}" != "$month" ] || break
	done
	printf -v date '%s-%02d-%02d' "$year" $((m + 1)) $((10#$day))
fi
for page in "${@:3}"; do
	shows "the version of ${page##*/man/}" "$page" \
		's/^\.TH [^"]*"echo2 ([^"]*)".*/\1/p' "$version"
	[ -z "$date" ] || shows "the date of ${page##*/man/}" "$page" \
		's/^\.TH [^ ]+ [^ ]+ ([^ ]+) .*/\1/p' "$date"
done

finish
