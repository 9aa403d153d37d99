#!/bin/bash
# What ties files of the source together, each checked in a moment, and
# what to change where a tie no longer holds: each mutant of .ci/mutants
# still changes src/main.cpp; each command that the bare job follows
# (.ci/followed) is still shown in its document; the Japanese manual
# translates the English one as it is now. couplings.sh SOURCE [TIE...]
# checks the TIEs named (mutants, followed, translation), or all.
source=$1
. "$(dirname "$0")/lib.sh"
cd "$source" || exit 1

# tie NAME FIX: the tie NAME holds where FIX, what to change, is empty.
tie() {
	if [ -z "$2" ]; then
		passed=$((passed + 1))
	else
		printf 'FAIL %s: %b' "$1" "$2" >&3
		failed=$((failed + 1))
	fi
}

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

followed() {
	local unshown
	unshown=$(. .ci/followed 2>&1 >/dev/null)
	tie 'the commands followed' "${unshown:+in .ci/followed, change each\
 command below to what its document now shows (lines continued with \\\\\
 are one command), or change the document back:\n${unshown//\\/\\\\}\n}"
}

translation() {
	local was now
	was=$(sed -n 's/^\.\\" translates: //p' doc/ja/echo2.1)
	now=$(sed -n '/^\.SH NAME/,$p' doc/echo2.1 | cksum)
	[ "$was" != "$now" ] || now=''
	tie 'the translation' "${now:+doc/echo2.1 has changed since doc/ja/echo2.1\
 translated it: bring the translation up to it, then write \"$now\" on\
 the translates: line of doc/ja/echo2.1\n}"
}

for name in "${@:2}"; do
	"$name"
done
(($# > 1)) || { mutants; followed; translation; }

finish
