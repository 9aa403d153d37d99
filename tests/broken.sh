#!/bin/bash
# echo2 when a stream fails: status 1 and one line on stderr for each failed
# stream, with everything else it writes unchanged. The end of the input is
# not a failure. The reasons are the C library's own words.
echo2=$1 reasons=$2
. "$(dirname "$0")/lib.sh"

no_input="$prompt\nstr1=[]\nstr2=[]\n"
abc_def="$prompt\nstr1=[abc]\nstr2=[def\n]\n"
printf 'abc\ndef\n' >"$tmp/in"
# A preload (faketime's, say) can open a file on a descriptor closed here
# before echo2 starts: where a case needs it closed, echo2 runs without one.
unpreloaded="env -u LD_PRELOAD $launch"

start <"$tmp/in" >/dev/full
check 'stdout full' 1 '' "echo2: write error: $ENOSPC\n"
launch=$unpreloaded start <"$tmp/in" >&-
check 'stdout closed' 1 '' "echo2: write error: $EBADF\n"
start </ >"$tmp/out"
check 'stdin a directory' 1 "$no_input" "echo2: read error: $EISDIR\n"
launch=$unpreloaded start <&- >"$tmp/out"
check 'stdin closed' 1 "$no_input" "echo2: read error: $EBADF\n"
start </ >/dev/full
check 'both failed' 1 '' "echo2: read error: $EISDIR\necho2: write error: $ENOSPC\n"
start </dev/null >"$tmp/out"
check 'stdin empty' 0 "$no_input" ''

if can perl; then
	launch="$streams gone-ignored $launch" start <"$tmp/in"
	check 'reader gone, SIGPIPE ignored' 1 '' "echo2: write error: $EPIPE\n"
	# A non-blocking pipe that holds part of a line, its writer still
	# there: the bytes read are echoed and the reason is the EAGAIN that
	# ended them.
	mkfifo "$tmp/fifo"
	exec 3<>"$tmp/fifo"
	printf 'abc\nde' >&3
	launch="$streams nonblocking $launch" start <&3 >"$tmp/out"
	check 'non-blocking, a line in part' 1 "$prompt\nstr1=[abc]\nstr2=[de]\n" \
		"echo2: read error: $EAGAIN\n"
fi

# Failures injected into one chosen call; the reason is always the first's.
if can_inject; then
	printf 'abc\nde' >"$tmp/part"
	launch="$inject -e inject=read:error=EIO:when=2 $launch" start <"$tmp/part" >"$tmp/out"
	check 'read error after bytes' 1 "$prompt\nstr1=[abc]\nstr2=[]\n" \
		"echo2: read error: $EIO\n"
	# What stdio read ahead of a file cannot be handed back, from the
	# first seek on or once echo2 knows where to; a close of stdout fails,
	# after the write in it too. A read that failed first stays the one
	# report for stdin.
	printf 'abc\ndef\nghi\n' >"$tmp/more"
	launch="$inject -e inject=lseek:error=EIO $launch" start <"$tmp/more" >"$tmp/out"
	check 'hand-back failed' 1 "$abc_def" "echo2: hand-back error: $EIO\n"
	launch="$inject -e inject=lseek:error=EIO:when=2+ $launch" start <"$tmp/more" >"$tmp/out"
	check 'hand-back failed, position known' 1 "$abc_def" "echo2: hand-back error: $EIO\n"
	launch="$inject -e inject=close:error=EIO $launch" start <"$tmp/in" >"$tmp/out"
	check 'close of stdout failed' 1 "$abc_def" "echo2: write error: $EIO\n"
	launch="$inject -e inject=write,writev:error=ENOSPC -e inject=close:error=EIO $launch" \
		start <"$tmp/in" >"$tmp/out"
	check 'write and close of stdout failed' 1 '' "echo2: write error: $ENOSPC\n"
	launch="$inject -e inject=read:error=EIO:when=1 -e inject=lseek:error=EIO $launch" \
		start <"$tmp/more" >"$tmp/out"
	check 'read error, then hand-back failed' 1 "$prompt\nstr1=[]\nstr2=[abc\n]\n" \
		"echo2: read error: $EIO\n"
	# The FIFO, emptied by the non-blocking case above, now answers EAGAIN.
	if can perl; then
		launch="$inject -e inject=read:error=EIO:when=1 $streams nonblocking $launch" \
			start <&3 >"$tmp/out"
		check 'read error, then EAGAIN' 1 "$no_input" "echo2: read error: $EIO\n"
	fi
fi

finish
