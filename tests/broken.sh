#!/bin/bash
# echo2 when a stream fails: status 1 and one line on stderr for each failed
# stream, with everything else it writes unchanged. The end of the input is
# not a failure.
echo2=$1
. "$(dirname "$0")/lib.sh"

no_input="$prompt\nstr1=[]\nstr2=[]\n"
printf 'abc\ndef\n' >"$tmp/in"

start <"$tmp/in" >/dev/full
check 'stdout full' 1 '' 'echo2: write error: No space left on device\n'
start <"$tmp/in" >&-
check 'stdout closed' 1 '' 'echo2: write error: Bad file descriptor\n'
start </ >"$tmp/out"
check 'stdin a directory' 1 "$no_input" 'echo2: read error: Is a directory\n'
start <&- >"$tmp/out"
check 'stdin closed' 1 "$no_input" 'echo2: read error: Bad file descriptor\n'
start </ >/dev/full
check 'both failed' 1 '' 'echo2: read error: Is a directory\necho2: write error: No space left on device\n'
start </dev/null >"$tmp/out"
check 'stdin empty' 0 "$no_input" ''
launch="$streams gone-ignored $launch" start <"$tmp/in"
check 'reader gone, SIGPIPE ignored' 1 '' 'echo2: write error: Broken pipe\n'

# A non-blocking pipe that holds part of a line, its writer still there:
# the bytes read are echoed and the reason is the EAGAIN that ended them.
mkfifo "$tmp/fifo"
exec 3<>"$tmp/fifo"
printf 'abc\nde' >&3
launch="$streams nonblocking $launch" start <&3 >"$tmp/out"
check 'non-blocking, a line in part' 1 "$prompt\nstr1=[abc]\nstr2=[de]\n" \
	'echo2: read error: Resource temporarily unavailable\n'

# Failures injected into one chosen call; the reason is always the first's.
need strace strace
printf 'abc\nde' >"$tmp/part"
launch="$inject -e inject=read:error=EIO:when=2 $launch" start <"$tmp/part" >"$tmp/out"
check 'read error after bytes' 1 "$prompt\nstr1=[abc]\nstr2=[]\n" \
	'echo2: read error: Input/output error\n'
# The FIFO, emptied by the non-blocking case above, now answers EAGAIN.
launch="$inject -e inject=read:error=EIO:when=1 $streams nonblocking $launch" \
	start <&3 >"$tmp/out"
check 'read error, then EAGAIN' 1 "$no_input" 'echo2: read error: Input/output error\n'
exec 3>&-

finish
