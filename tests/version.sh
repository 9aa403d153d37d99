#!/bin/bash
# One version and one date. The project's version is the one each manual
# page shows and, where the source has its Debian packaging, the upstream
# part of the package's latest entry, whatever epoch, revision or suffix a
# distribution adds. Each page is dated as the release's own entry, the one
# whose version is the project's alone, where the changelog has it: the
# entries that a distribution adds on top (a binNMU, a Debian revision, an
# NMU, an Ubuntu rebuild, a backport), dated later, change neither. Each
# failure says what to change in which file of the source.
version=$1 changelog=$2 pages=("${@:3}")
. "$(dirname "$0")/lib.sh"

# th PAGE SED: what the sed -E script SED prints of the .TH line of PAGE,
# compressed or not.
th() {
	gzip -dcf "$1" | sed -E -n "/^\\.TH /{$2;q;}"
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

# latest CHANGELOG: the upstream part of CHANGELOG's latest entry.
latest() {
	sed -E -n '1s/^echo2 \(([0-9]+:)?([0-9]+(\.[0-9]+)*).*/\2/p' "$1"
}

# undated CHANGELOG: the date of the release's own entry in CHANGELOG and
# the pages not dated so, or nothing where each is.
undated() {
	local date page wrong=()
	date=$(released "$1")
	[ -n "$date" ] || return 0
	for page in "${pages[@]}"; do
		[ "$(th "$page" 's/^\.TH +[^ ]+ +[^ ]+ +([^ ]+).*/\1/p')" = "$date" ] ||
			wrong+=("$(origin "$page")")
	done
	[ ${#wrong[@]} = 0 ] || echo "$date ${wrong[*]}"
}

# The pages, as built or installed, show the project's version.
for page in "${pages[@]}"; do
	shown=$(th "$page" 's/^\.TH [^"]*"echo2 ([^"]*)".*/\1/p') fix=''
	[ "$shown" = "$version" ] || fix="it shows \"${shown:-no version}\", not\
 project()'s $version: keep echo2 as the fourth field of the .TH line of\
 $(origin "$page"), which the build writes as \"echo2 $version\"\n"
	tie "the version of $(origin "$page")" "$fix"
done
[ -f "$changelog" ] || finish

# The changelog's latest entry is of the project's version, and the pages
# are dated as its release's own entry.
entry=$(latest "$changelog") fix=''
[ "$entry" = "$version" ] || fix="its upstream version is ${entry:-none},\
 not project()'s $version in CMakeLists.txt: add an entry for $version on\
 top of debian/changelog, dated the day of the release\n"
tie 'the latest entry of debian/changelog' "$fix"
read -r date wrong < <(undated "$changelog")
fix=''
[ -z "${date-}" ] || fix="set the date on the .TH line of ${wrong// / and }\
 to $date, that of the entry for $version in debian/changelog\n"
tie "the pages' date" "$fix"

# With a distribution's entry on top, as the source holds, nothing changes:
# a failure here is this test's own.
if ((failed == 0)); then
	for entry in "$version+b1" "$version-1" "1:$version-2" "$version+nmu1" \
		"${version}ubuntu1" "${version}build1" "$version~bpo12+1"; do
		printf 'echo2 (%s) unstable; urgency=medium\n\n  * Rebuilt.\n\n -- %s  %s\n\n' \
			"$entry" 'A Builder <builder@example.org>' \
			'Thu, 01 Jan 2099 00:00:00 +0000' >"$tmp/$entry"
		cat "$changelog" >>"$tmp/$entry"
		fix=''
		[ "$(latest "$tmp/$entry")" = "$version" ] &&
			[ -z "$(undated "$tmp/$entry")" ] ||
			fix="tests/version.sh reads such a changelog wrong\n"
		tie "with echo2 ($entry) on top of debian/changelog" "$fix"
	done
fi

finish
