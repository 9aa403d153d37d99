#!/bin/bash
# One version and one date. The project's version is the one each manual
# page shows and, where the source has its Debian packaging, the upstream
# part of the package's latest entry, whatever epoch, revision or suffix a
# distribution adds. Each page is dated as the release's own entry, the one
# whose version is the project's alone, where the changelog has it: the
# entries that a distribution adds on top (a binNMU, a Debian revision, an
# NMU, an Ubuntu rebuild, a backport), dated later, change neither.
version=$1 changelog=$2 pages=("${@:3}")
. "$(dirname "$0")/lib.sh"

# shows NAME FILE SED WANT: the sed -E script SED finds WANT in FILE.
shows() {
	status=0
	: >"$tmp/err"
	gzip -dcf "$2" | sed -E -n "$3" >"$tmp/out"
	check "$1" 0 "$4\n" ''
}

# released CHANGELOG: the date of the release's own entry in CHANGELOG, as
# a page writes it (2026-12-09), or nothing where there is no such entry.
released() {
	local months=(Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec) m
	local day month year
	read -r day month year < <(sed -E -n "/^echo2 \(([0-9]+:)?${version//./\\.}\)/,/^ -- /{
		/^ -- /{s/.*, +([0-9]+) ([A-Z][a-z]+) ([0-9]+) .*/\1 \2 \3/p;q;};}" "$1")
	[ -n "${year-}" ] || return 0
	for ((m = 0; m < 12; m++)); do
		[ "${months[m]}" != "$month" ] || break
	done
	printf '%s-%02d-%02d\n' "$year" $((m + 1)) $((10#$day))
}

# holds CHANGELOG: its latest entry is of this version, and each page is
# dated as the release's own entry in it.
holds() {
	local date page
	shows "the latest entry of ${1##*/}" "$1" \
		'1s/^echo2 \(([0-9]+:)?([0-9]+(\.[0-9]+)*).*/\2/p' "$version"
	date=$(released "$1")
	[ -z "$date" ] || for page in "${pages[@]}"; do
		shows "the date of ${page##*/man/}, by ${1##*/}" "$page" \
			's/^\.TH [^ ]+ [^ ]+ ([^ ]+) .*/\1/p' "$date"
	done
}

for page in "${pages[@]}"; do
	shows "the version of ${page##*/man/}" "$page" \
		's/^\.TH [^"]*"echo2 ([^"]*)".*/\1/p' "$version"
done
if [ -f "$changelog" ]; then
	holds "$changelog"
	for entry in "$version+b1" "$version-1" "1:$version-2" "$version+nmu1" \
		"${version}ubuntu1" "${version}build1" "$version~bpo12+1"; do
		printf 'echo2 (%s) unstable; urgency=medium\n\n  * Rebuilt.\n\n -- %s  %s\n\n' \
			"$entry" 'A Builder <builder@example.org>' \
			'Thu, 01 Jan 2099 00:00:00 +0000' >"$tmp/$entry"
		cat "$changelog" >>"$tmp/$entry"
		holds "$tmp/$entry"
	done
fi

finish
