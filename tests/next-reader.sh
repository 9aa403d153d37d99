#!/bin/bash
# What echo2 leaves to the next reader of its input: from a file, a pipe, a
# FIFO or a stream socket, every byte after what its two reads took, also
# when a write kills echo2; from a message socket, the next message, also
# after an empty one, which ends the input; from a pipe in packet mode,
# nothing of the packets that its reads took.
echo2=$1 libc=$2
. "$(dirname "$0")/lib.sh"

# rest KIND INPUT WANT [STATUS ERR [LAUNCH...]]: after echo2, started under
# the command line LAUNCH on a KIND (see streams.pl) that holds INPUT, has
# ended with STATUS (0 by default) and ERR on stderr, the next reader gets
# WANT, the first 32 bytes left.
rest() {
	printf '%b' "$2" >"$tmp/in"
	# echo2 appends to a file of 4096 bytes, so that a file-size limit of
	# 4096 stops echo2's first write but no smaller file of a launcher's.
	head -c 4096 /dev/zero >"$tmp/echoed"
	with "${streams[@]}" "$1" "$tmp/rest" "${@:6}" -- start <"$tmp/in" \
		>>"$tmp/echoed"
	cp "$tmp/rest" "$tmp/out"
	check "rest of $1 '${2:0:30}'${6:+ under ${*: -1}}" "${4-0}" "$3" "${5-}"
}

# A write that kills echo2: its reader has gone (SIGPIPE), or its output
# file is at the size limit (SIGXFSZ, 25 but on MIPS). A C library that
# writes the prompt line at once, even to a file or pipe (musl), has echo2
# killed before its first read, and the input left whole; with stdin and
# stdout one open file, the prompt then goes first, and the reads find
# nothing after it. Windows has no SIGPIPE: the write fails.
nums="$(seq -s '\n' 2000)\n"
after_two='3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n'
killed=$after_two one_file="abc\ndef\n$abc_def"
gone=$((128 + $(kill -l PIPE))) gone_err=''
case $LIBC in
musl) killed='1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14'
	one_file=$no_input ;;
windows) gone=1 gone_err=$w_EPIPE ;;
esac

if can perl; then
	rest file      'abc\ndef\nghi\njkl\n'                 'ghi\njkl\n'
	rest file      "$az\nnext\n"                          'next\n'
	rest file      "$long\n"                'MN\n'
	rest file      'abc\nABCDEFGHIJKLMNOPQRSTUVWXYZ\nnext\n' 'TUVWXYZ\nnext\n'
	rest file      'abc\ndef\n'                           ''
	rest file      "$nums"                                "$after_two"
	rest pipe      'a\nb\nc\n'                            'c\n'
	rest pipe      "$long\n"                'MN\n'
	rest fifo      'abc\ndef\nghi\n'                      'ghi\n'
	rest stream    'abc\ndef\nghi\n'                      'ghi\n'
	if posix 'a message socket'; then
		rest seqpacket 'abc\ndef\nghi\n'                  'ghi\n'
		rest dgram     'abc\ndef\nghi\n'                  'ghi\n'
		rest dgram     "$long\nnext\n"         'next\n'
		# An empty message ends the input; the next reader gets the rest.
		rest dgram     'abc\n\nghi\n'                    'ghi\n'
		rest seqpacket 'abc\n\nghi\n'                    'ghi\n'
		# A pipe in packet mode gives a read a whole packet: lost.
		rest packets   'abc\ndef\nghi\njkl\n'             ''
	fi
	rest file "$nums" "$killed" "$gone" "$gone_err" "${streams[@]}" gone
	if posix 'a file-size limit' && can prlimit; then
		rest file "$nums" "$killed" $((128 + $(kill -l XFSZ))) '' \
			prlimit --fsize=4096
	fi
	# A read that fails after taking bytes drops them from its string,
	# but not from the input: they are not read again.
	if can_inject; then
		rest file 'abc\nde' 'e' 1 "$r_EIO" "${inject[@]}" \
			-e inject=read:error=EIO:when=6
	fi
fi
printf 'abc\ndef\nghi\n' >"$tmp/rw"
start <>"$tmp/rw" >&0
cp "$tmp/rw" "$tmp/out"
check 'stdin and stdout one file' 0 "$one_file" ''

finish
