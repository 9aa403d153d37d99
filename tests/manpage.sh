#!/bin/bash
# The manual pages, English and Japanese, compressed or not. Each formats
# without a warning under groff and mandoc's lint, and shows the prompt
# line as echo2 writes it; the English one on an ASCII terminal too. At
# every width from 60 to 120 columns, each keeps its messages, key names
# and output forms whole on a line and its literals unhyphenated. The
# Japanese one, installed in a tree where man-db breaks Japanese lines,
# renders in time at any width and fits every width from 60 columns, and
# is found as a Japanese user looks for it. It has the same sections as
# the English one, in the order of man-pages(7), and the same exit
# statuses, messages and examples. The examples of both run as they say.
echo2=$1 libc=$2 en=$3 ja=$4
. "$(dirname "$0")/lib.sh"
gzip -dcf "$en" >"$tmp/en.1"
gzip -dcf "$ja" >"$tmp/ja.1"

# adjust_notes_only: the last stderr without groff's notes that a line of
# Japanese could not be adjusted, which are all it may say.
adjust_notes_only() {
	sed -i '/warning.*: cannot adjust line$/d' "$tmp/err"
}
# clean NAME PAGE COMMAND...: COMMAND on the page exits 0 and writes nothing
# but those notes.
clean() {
	status=0
	"${@:3}" "$tmp/$2.1" >"$tmp/out" 2>"$tmp/err" || status=$?
	adjust_notes_only
	check "$1" 0 '' ''
}
# shows NAME PAGE COMMAND...: COMMAND shows the prompt line of the page.
shows() {
	status=0
	"${@:3}" "$tmp/$2.1" 2>"$tmp/err" |
		grep -o "$(printf '%b' "$prompt")" | head -n 1 >"$tmp/out"
	adjust_notes_only
	check "$1" 0 "$prompt\n" ''
}
groff_ja=(groff -k -mja -man -Tutf8 -ww)
can groff && clean 'groff -Tutf8' en groff -man -Tutf8 -ww -z
can groff && clean 'groff -Tascii' en groff -man -Tascii -ww -z
can groff && shows 'the prompt under groff' en groff -man -Tutf8 -ww
can groff && clean 'groff, Japanese' ja "${groff_ja[@]}" -z
can groff && shows 'the prompt under groff, Japanese' ja "${groff_ja[@]}"
can mandoc && clean 'mandoc -Tlint' en mandoc -Tlint
can mandoc && clean 'mandoc -Tlint, Japanese' ja mandoc -Tlint
can mandoc && shows 'the prompt under mandoc' en mandoc -Tutf8
can mandoc && shows 'the prompt under mandoc, Japanese' ja mandoc -Tutf8

# unbroken NAME PAGE [ROFF]: PAGE as man-db renders it in a UTF-8 locale,
# where a wide character takes two columns, for each width from 60 to 120
# columns, groff's nroff at two columns less, a copy a width after the
# requests ROFF, passes rendered-page.pl, with nothing from groff but its
# notes.
unbroken() {
	local width
	status=0
	{
		printf '%s' "${3-}"
		for ((width = 60; width <= 120; width++)); do
			printf '.nr LL %dn\n.nr LT %dn\n' $((width - 2)) $((width - 2))
			cat "$tmp/$2.1"
		done
	} | preconv -e UTF-8 | LC_ALL=C.UTF-8 nroff -c -mandoc -Tutf8 2>"$tmp/err" |
		perl "$(dirname "$0")/rendered-page.pl" "$tmp/$2.1" >"$tmp/out" ||
		status=$?
	adjust_notes_only
	check "$1" 0 '' ''
}
# A UTF-8 locale, which man-db needs to show Japanese: C.UTF-8.
utf8=(perl -MPOSIX -e 'exit !setlocale(LC_ALL, "C.UTF-8")')
if can nroff nroff -v && can preconv && can perl "${utf8[@]}"; then
	unbroken 'each width from 60 to 120 columns' en
	unbroken 'each width from 60 to 120 columns, Japanese' ja \
		$'.mso ja.tmac\n.hla ja\n'
	# As man -l renders it, with no Japanese line breaking, which man-db
	# asks for only under man/ja.
	unbroken 'each width from 60 to 120 columns, Japanese by man -l' ja
fi

# The Japanese page in a tree of its own, where a system installs it.
mkdir -p "$tmp/man/ja/man1"
cp "$tmp/ja.1" "$tmp/man/ja/man1/echo2.1"
# man_ja NAME WIDTH ARG...: man-db, asked with ARGs in a UTF-8 locale for
# the page at WIDTH columns, renders it within 20 s, says nothing but
# groff's notes, shows the prompt line, and, from 60 columns, no line is
# wider than WIDTH, a wide character counting two. Below 60 columns, a
# message, which is never broken, may not fit, and groff says so. man-db's
# sandbox is left off: it refuses what a preload such as faketime's calls.
man_ja() {
	status=0
	env LC_ALL=C.UTF-8 MANPATH="$tmp/man" MANWIDTH="$2" \
		MAN_DISABLE_SECCOMP=1 timeout 20 \
		man "${@:3}" >"$tmp/page" 2>"$tmp/err" || status=$?
	adjust_notes_only
	(($2 >= 60)) || sed -E -i "/warning.*: can(no|')t break line$/d" "$tmp/err"
	{
		grep -o -m 1 "$(printf '%b' "$prompt")" "$tmp/page"
		grep -m 1 -x '名前' "$tmp/page"
		(($2 < 60)) || LC_ALL=C.UTF-8 perl -CSD -ne 'chomp; $w = length;
			$w += () = /[\p{Ea=W}\p{Ea=F}]/g;
			print "$w columns: $_\n" if $w > '"$2" "$tmp/page"
	} >"$tmp/out" 2>&1
	check "$1" 0 "$prompt\n名前\n" ''
}
if can man && can timeout && can perl "${utf8[@]}"; then
	for width in 40 60 80 120; do
		man_ja "man -L ja at $width columns" "$width" -L ja echo2
	done
	LANGUAGE=ja man_ja 'LANGUAGE=ja man' 80 echo2
fi
if can lexgrog; then
	status=0
	LC_ALL=C.UTF-8 lexgrog "$ja" >"$tmp/out" 2>"$tmp/err" || status=$?
	check 'lexgrog, Japanese' 0 "$ja: \"echo2 - プロンプトで入力した2行をエコーする\"\n" ''
fi

# facts PAGE: what either page must say alike, a fact a line: the sections
# (the Japanese headings, as Debian's manpages-ja names them, given in
# English), the exit statuses, the messages and the example blocks (where
# a message, in bold, counts as a message alone).
facts() {
	sed -n 's/^\.SH //p' "$tmp/$1.1" | sed 's/^"\(.*\)"$/\1/;
		s/^名前$/NAME/; s/^書式$/SYNOPSIS/; s/^説明$/DESCRIPTION/;
		s/^終了ステータス$/EXIT STATUS/; s/^注意$/NOTES/; s/^警告$/CAVEATS/;
		s/^例$/EXAMPLES/; s/^関連項目$/SEE ALSO/; s/^/section /'
	sed -n '/^\.TP$/{n;s/^\.B \([0-9][0-9]*\)$/status \1/p;}' "$tmp/$1.1"
	sed -n 's/^\.BI\{0,1\} \(.*echo2:.*\)/\1/p' "$tmp/$1.1" |
		sed 's/\\%//g; s/\\[~ ]/ /g; s/^"\([^"]*\)".*/\1/' | sort |
		sed 's/^/message /'
	sed -n '/^\.EX$/,/^\.EE$/{/^\.BI\{0,1\} /d;s/^/example /p;}' "$tmp/$1.1"
}
facts en >"$tmp/en.facts"
facts ja >"$tmp/ja.facts"
differ=$(diff "$tmp/en.facts" "$tmp/ja.facts" | sed -n 's/^</  doc\/echo2.1:   /p;
	s/^>/  doc\/ja\/echo2.1:/p')
tie 'the same facts in both pages' "${differ:+make doc/ja/echo2.1 say these\
 as doc/echo2.1 does:\n${differ//\\/\\\\}\n}"
# The sections of man-pages(7), in its order: the English page has no
# other, and has them in that order.
order=(NAME SYNOPSIS CONFIGURATION DESCRIPTION OPTIONS 'EXIT STATUS'
	'RETURN VALUE' ERRORS ENVIRONMENT FILES ATTRIBUTES VERSIONS STANDARDS
	HISTORY NOTES CAVEATS BUGS EXAMPLES AUTHORS 'REPORTING BUGS' COPYRIGHT
	'SEE ALSO')
status=0
sed -n 's/^\.SH //p' "$tmp/en.1" | sed 's/^"\(.*\)"$/\1/' >"$tmp/out" 2>"$tmp/err"
check 'sections in the order of man-pages(7)' 0 \
	"$(printf '%s\n' "${order[@]}" | grep -xF -f "$tmp/out")\n" ''

# example SOURCE BLOCK: the command on the first line of an example of the
# page whose source is SOURCE, after "$ " and in bold, with echo2 the one
# under test, writes what the other lines show.
echo2() { "${launch[@]}" "$echo2" "$@"; }
example() {
	local block=${2//\\(aq/\'}
	block=${block//\\-/-}
	block=${block//\\f[BP]/}
	block=${block//\\\*\[prompt\]/$(printf '%b' "$prompt")}
	block=${block//\\e/\\}
	local command=${block%%$'\n'*} want=${block#*$'\n'}
	command=${command#\$ }
	status=0
	(eval "$command") >"$tmp/out" 2>"$tmp/err" || status=$?
	check "the example of $1: $command" 0 "${want//\\/\\\\}" ''
}
# Every example of a command and what it writes, in any section.
for page in en ja; do
	while IFS= read -r line; do
		case $line in
		.EX) block='' ;;
		.EE) [[ $block != \$\ *$'\n'?* ]] || example "$(origin "${!page}")" "$block" ;;
		*) block+=$line$'\n' ;;
		esac
	done <"$tmp/$page.1"
done

finish
