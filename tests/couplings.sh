#!/bin/bash
# What ties files of the source together, each checked in a moment, and
# what to change where a tie no longer holds: each mutant of .ci/mutants
# still changes src/main.cpp; each command that the bare-debian job follows
# (.ci/documented-steps) is still shown in its document; the Japanese
# manual translates what the English one says now, whatever its layout;
# the prompt of src/main.cpp stands as it is in the suite, both pages and
# the README; each C++ file of src/ is built. couplings.sh SOURCE [TIE...]
# checks the TIEs named (mutants, documented, translation, prompt,
# sources), or all.
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

prompt() {
	local line stale=''
	line=$(sed -n 's/.*puts("\(.*\)").*/\1/p' src/main.cpp)
	[ "$line" = "$(printf '%b' "$prompt")" ] ||
		stale+="  \$prompt in tests/lib.sh, by its bytes\n"
	can perl && [ "$line" != "$(sed -n 's/^\.ie c .* \.ds prompt //p' doc/echo2.1 |
		perl -CO -pe 's/\\\[u([0-9A-F]{4})\]/chr hex $1/ge')" ] &&
		stale+="  the .ie line of doc/echo2.1, each character not ASCII as \\\\[uXXXX]\n"
	grep -qxF ".ds prompt $line" doc/ja/echo2.1 ||
		stale+="  the .ds prompt line of doc/ja/echo2.1\n"
	grep -qxF "    $line" README.md || stale+="  the session in README.md\n"
	tie 'the prompt' "${stale:+src/main.cpp writes the prompt line\
 \"$line\": write it so in\n$stale}"
}

sources() {
	local file unbuilt=''
	for file in src/*.cpp; do
		grep -qF " $file" CMakeLists.txt || grep -qF ":$file>" CMakeLists.txt ||
			unbuilt+="  $file\n"
	done
	tie 'the sources built' "${unbuilt:+add each file below to\
 add_executable(echo2 ...) in CMakeLists.txt, or remove it:\n$unbuilt}"
}

for name in "${@:2}"; do
	"$name"
done
(($# > 1)) || { mutants; documented; translation; prompt; sources; }

finish
