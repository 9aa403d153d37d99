#!/bin/bash
# echo2 on a file leaves the rest of the file, from the first byte that its
# two reads did not take, to the next command that reads it: also when a
# write kills echo2, since the input is handed back before the echo lines.
echo2=$1 reasons=$2
. "$(dirname "$0")/lib.sh"

# rest INPUT WANT [STATUS LAUNCH ERR]: after echo2, started under LAUNCH, has
# read INPUT from a file and ended with STATUS (0 by default) and ERR on
# stderr, the next command reads WANT, the first 32 bytes left.
rest() {
	printf '%b' "$1" >"$tmp/in"
	# echo2 appends to a file of 4096 bytes, so that a file-size limit of
	# 4096 stops echo2's first write but no smaller file of a launcher's.
	head -c 4096 /dev/zero >"$tmp/echoed"
	# The shell that runs echo2 reports its death by a signal on its stderr.
	{ launch="${4-} $launch" start >>"$tmp/echoed"; head -c 32 >"$tmp/out"; } \
		<"$tmp/in" 2>/dev/null
	check "rest of '${1:0:40}' ${4-}" "${3-0}" "$2" "${5-}"
}

rest 'abc\ndef\nghi\njkl\n'                        'ghi\njkl\n'
rest 'abcdefghijklmnopqrstuvwxyz\nnext\n'          'next\n'
rest 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN\n'  'MN\n'
rest 'abc\nABCDEFGHIJKLMNOPQRSTUVWXYZ\nnext\n'     'TUVWXYZ\nnext\n'
rest 'abc\ndef\n'                                  ''
# More than one stdio buffer, and a write that kills echo2: its reader has
# gone (SIGPIPE), or its output file is at the size limit (SIGXFSZ, whose
# number is 25 but on MIPS). A C library that writes the prompt line at
# once, even to a file or pipe, has echo2 killed before its first read, and
# the whole input is left: whether it did, a pipe whose bytes are still
# there once echo2 is killed tells. With stdin and stdout one open file,
# the echo lines go where the reads left it, after a prompt written first.
nums="$(seq -s '\n' 2000)\n" after_two='3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n'
rest "$nums" "$after_two"
if can perl; then
	{ launch="$streams gone $launch" start; cat >"$tmp/left"; } < <(printf 'abc\n')
	left=$after_two one_file="abc\ndef\n$prompt\nstr1=[abc]\nstr2=[def\n]\n"
	if [ -s "$tmp/left" ]; then
		left='1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14'
		one_file="$prompt\nstr1=[]\nstr2=[]\n"
	fi
	rest "$nums" "$left" $((128 + $(kill -l PIPE))) "$streams gone"
	if can prlimit; then
		rest "$nums" "$left" $((128 + $(kill -l XFSZ))) 'prlimit --fsize=4096'
	fi
	printf 'abc\ndef\nghi\n' >"$tmp/rw"
	start <>"$tmp/rw" >&0
	cp "$tmp/rw" "$tmp/out"
	check 'stdin and stdout one file' 0 "$one_file" ''
fi
# A read that fails after taking bytes drops them from its string, but not
# from the input: they are not read again.
if can_inject; then
	rest 'abc\nde' '' 1 "$inject -e inject=read:error=EIO:when=2" \
		"echo2: read error: $EIO\n"
fi

finish
