# awk -f page-words.awk PAGE: the words that the manual page PAGE says from
# its NAME on, on one line, whatever its line layout and markup: requests
# and macros go, their arguments stay, joined as they render, and escapes
# that print nothing go.
/^\.SH NAME/ { on = 1 }
!on || /^\.\\"/ { next }
{
	line = $0
	sub(/\\".*/, "", line)
	if (line ~ /^[.']/) {
		macro = substr(line, 2)
		sub(/[ \t].*/, "", macro)
		rest = line
		if (!sub(/^[.'][^ \t]*[ \t]+/, "", rest))
			rest = ""
		# The arguments, quoted or not; the alternating macros join them.
		glue = macro ~ /^(BI|BR|IB|IR|RB|RI)$/ ? "" : " "
		line = ""
		n = 0
		while (rest != "") {
			if (rest ~ /^"/) {
				arg = substr(rest, 2)
				if (match(arg, /"/)) {
					rest = substr(arg, RSTART + 1)
					arg = substr(arg, 1, RSTART - 1)
				} else
					rest = ""
			} else {
				arg = rest
				if (match(arg, /[ \t]/)) {
					rest = substr(arg, RSTART)
					arg = substr(arg, 1, RSTART - 1)
				} else
					rest = ""
			}
			sub(/^[ \t]+/, "", rest)
			line = line (n++ ? glue : "") arg
		}
	}
	joined = line ~ /\\c$/
	sub(/\\c$/, "", line)
	gsub(/\\f[BIRP]|\\f\[[A-Z]*\]|\\[%&:]/, "", line)
	gsub(/\\[ ~]/, " ", line)
	gsub(/\\-/, "-", line)
	gsub(/\\\(aq/, "'", line)
	gsub(/\\e/, "\\", line)
	text = text (text == "" || glued ? "" : " ") line
	glued = joined
}
END {
	gsub(/[ \t]+/, " ", text)
	sub(/^ /, "", text)
	sub(/ $/, "", text)
	print text
}
