#!/bin/bash
# What ties files of the source together, each checked in a moment, and
# what to change where a tie no longer holds: each mutant of .ci/mutants
# still changes src/main.cpp; each command that the bare-debian job follows
# (.ci/documented-steps) is still shown in its document; the Japanese
# manual translates what the English one says now, whatever its layout.
# couplings.sh SOURCE [TIE...] checks the TIEs named (mutants, documented,
# translation), or all.
source=$1
. "$(dirname "$0")/lib.sh"
words=$(cd "$(dirname "$0")" && pwd)/page-words.awk
cd "$source" || exit 1

mutants() {
	local fault script stale=''
	while IFS=$'\t' read -r fault script; do
		[[ $fault == '#'* || -z $fault ]] && continue
		if ! sed -e "$script" src/main.cpp >"$tmp/mutant" 2>&1 ||
			cmp -s "$tmp/mutant" src/main.cpp; then
			stale+="  $fault\n"
		fi
	done <.ci/mutants
	tie 'the mutants' "${stale:+in .ci/mutants, change the sed script of each\
 mutant below to fit src/main.cpp as it is now, or drop the mutant with\
 the code it mutated:\n$stale}"
}

documented() {
	local unshown
	unshown=$(. .ci/documented-steps 2>&1 >/dev/null)
	tie 'the documented commands' "${unshown:+in .ci/documented-steps, change\
 each command below to what its document now shows (lines continued with\
 \\\\ are one command), or change the document back:\n${unshown//\\/\\\\}\n}"
}

translation() {
	local was now
	was=$(sed -n 's/^\.\\" translates: //p' doc/ja/echo2.1)
	now=$(awk -f "$words" doc/echo2.1 | cksum)
	[ "$was" != "$now" ] || now=''
	tie 'the translation' "${now:+doc/echo2.1 says what doc/ja/echo2.1 has\
 not translated: bring doc/ja/echo2.1 up to it, then write \"$now\" on its\
 translates: line\n}"
}

for name in "${@:2}"; do
	"$name"
done
(($# > 1)) || { mutants; documented; translation; }

finish
