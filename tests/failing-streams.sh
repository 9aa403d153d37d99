#!/bin/bash
# echo2 when a stream fails: status 1 and one line on stderr for each failed
# stream, with everything else it writes unchanged. The end of the input is
# not a failure, nor is a read that a signal interrupted. The reasons are
# the C library's own words.
echo2=$1 libc=$2
. "$(dirname "$0")/lib.sh"

# fails INPUT INJECTIONS REPORT [STR1 STR2]: echo2 on INPUT (printf %b
# escapes), with each of strace's INJECTIONS (CALLS:error=ERRNO:when=N)
# made on its stdin or stdout, reports REPORT and, when it is not empty,
# exits 1; it echoes STR1 and STR2, or writes nothing at all when they are
# not given. With $from set, stdin is the file FROM instead.
fails() {
	local -a injections=()
	local i out=''
	for i in $2; do
		injections+=(-e "inject=$i")
	done
	(($# > 3)) && out="$prompt\nstr1=[$4]\nstr2=[$5]\n"
	printf '%b' "$1" >"$tmp/in"
	with "${inject[@]}" "${injections[@]}" -- start <"${from:-$tmp/in}" \
		>"$tmp/out"
	check "$2 on ${from:-\'$1\'}" $((${#3} > 0)) "$out" "$3"
}

# A preload (faketime's, say) can open a file on a descriptor closed here
# before echo2 starts: where a case needs it closed, echo2 runs without one.
printf 'abc\ndef\n' >"$tmp/in"
run 'stdout full'       1 ''          "$w_ENOSPC" <"$tmp/in" >/dev/full
run 'stdin empty'       0 "$no_input" ''          </dev/null >"$tmp/out"
with env -u LD_PRELOAD -- run 'stdout closed' 1 '' "$w_EBADF" <"$tmp/in" >&-
# wine gives a Windows program whose stdin is closed a handle of its own.
if posix 'stdin closed, or a directory'; then
	with env -u LD_PRELOAD -- run 'stdin closed' 1 "$no_input" "$r_EBADF" \
		<&- >"$tmp/out"
	run 'stdin a directory' 1 "$no_input" "$r_EISDIR" </ >"$tmp/out"
	run 'both failed'       1 ''   "$r_EISDIR$w_ENOSPC" </ >/dev/full
fi

# A write that would raise a signal, ignored or blocked, fails: a pipe
# whose reader has gone, and a file at the file-size limit (see
# next-reader.sh).
for how in ignored blocked; do
	can perl || break
	with "${streams[@]}" gone "${streams[@]}" "$how" PIPE -- run \
		"SIGPIPE $how" 1 '' "$w_EPIPE" <"$tmp/in"
done
for how in ignored blocked; do
	posix 'a file-size limit' && can perl && can prlimit || break
	head -c 4096 /dev/zero >"$tmp/4k"
	with "${streams[@]}" "$how" XFSZ prlimit --fsize=4096 -- run \
		"SIGXFSZ $how" 1 '' "$w_EFBIG" <"$tmp/in" >>"$tmp/4k"
done
# Where that stream is stderr, as a report is due, the report is lost: the
# signal ends echo2, or, ignored or blocked, the status is 1. A report that
# reaches the limit is written up to it, then the rest is tried again.
for how in '' ignored blocked; do
	posix 'a signal on stderr' && can perl && can prlimit || break
	pipe=$((128 + $(kill -l PIPE))) xfsz=$((128 + $(kill -l XFSZ)))
	[ -z "$how" ] || pipe=1 xfsz=1
	with "${streams[@]}" gone ${how:+"${streams[@]}" "$how" PIPE} \
		sh -c 'exec "$@" 2>&1 >"$0"' "$tmp/out" -- run \
		"stderr gone${how:+, SIGPIPE $how}" "$pipe" "$no_input" '' </
	head -c 4086 /dev/zero >"$tmp/near"
	with ${how:+"${streams[@]}" "$how" XFSZ} prlimit --fsize=4096 \
		sh -c 'exec "$@" 2>>"$0"' "$tmp/near" -- run \
		"stderr reaching the limit${how:+, SIGXFSZ $how}" "$xfsz" "$no_input" '' </ >"$tmp/out"
done
# A nonblocking FIFO that holds part of a line, its writer still there:
# the bytes read are echoed and the reason is the EAGAIN that ended them.
if posix 'a nonblocking pipe' && can perl; then
	mkfifo "$tmp/fifo"
	exec 4<>"$tmp/fifo"
	printf 'abc\nde' >&4
	with "${streams[@]}" nonblocking -- run 'nonblocking, a line in part' \
		1 "$prompt\nstr1=[abc]\nstr2=[de]\n" "$r_EAGAIN" <&4 >"$tmp/out"
fi

# The first failure on a stream gives its reason. A read that fails drops
# what it took; one that a signal interrupted (EINTR) is made again; the end
# of the input, once met, stays met. A file is read a byte a read(2), a
# directory through the C library (read, or readv with musl).
if can_inject; then
	fails 'abc\nde'         read:error=EIO:when=6    "$r_EIO"  abc ''
	fails 'abc\ndef\nghi\n' read:error=EIO:when=1    "$r_EIO"  '' 'abc\n'
	fails 'abc\ndef\n'      read:error=EINTR:when=2  ''        abc 'def\n'
	fails 'abc\ndef\n'      read:retval=0:when=2     ''        a ''
	fails 'abc\ndef\n'      close:error=EIO          "$w_EIO"  abc 'def\n'
	fails 'abc\ndef\n' 'write,writev:error=ENOSPC close:error=EIO' "$w_ENOSPC"
	from=/ fails ''    read,readv:error=EIO:when=1 "$r_EIO" '' ''
fi
# A report needs nothing of stderr but the write: not its position, which
# /dev/kmsg, for one, cannot tell.
if posix 'a stderr that cannot seek' && can_inject; then
	with "${inject[@]}" -P "$tmp/err" -e inject=lseek:error=EINVAL -- run \
		'stderr that cannot seek' 1 "$no_input" "$r_EISDIR" </ >"$tmp/out"
fi

finish
