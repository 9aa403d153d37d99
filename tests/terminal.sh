#!/bin/bash
# echo2 at a terminal: the prompt is shown before echo2 waits for input, and
# the terminal then shows the typed lines and their echo. A terminal gives a
# line a read: what echo2 read of an over-long line is gone, and what is
# typed after the end of the input (Ctrl-D) is left to the shell. Out of
# canonical mode, and from the master side of a pseudoterminal, echo2 takes
# no byte beyond its two strings, and the master's hang-up is the end of the
# input. A Windows console, under wine, shows the prompt and reads typed
# Japanese as UTF-8.
echo2=$1 libc=$2
. "$(dirname "$0")/lib.sh"

# at_terminal NAME STATUS OUT [WAIT TYPE]...: what the terminal shows, stderr
# included, while echo2 runs on it, with $then, a shell fragment, after it,
# typed at as the WAIT and TYPE pairs say (see terminal.exp). wine's cursor
# sequences are left out. Tcl takes paths in the locale's encoding, which
# must be UTF-8 for a path in Japanese to reach the command unchanged.
at_terminal() {
	status=0
	LC_ALL=C.UTF-8 expect "$(dirname "$0")/terminal.exp" "${@:4}" -- \
		env LC_ALL=C sh -c '"$@"'"${then-}" sh "${launch[@]}" "$echo2" 2>"$tmp/err" |
		sed 's/\x1b\[?25[lh]//g' >"$tmp/out" || status=$?
	check "$1" "$2" "$3" ''
}
set -o pipefail

nl=$'\r\n'
typed="$prompt\r\nabc\r\ndef\r\nstr1=[abc]\r\nstr2=[def\r\n]\r\n"
cut="$prompt\r\n$long\r\nstr1=[${long:0:19}]\r\nstr2=[${long:19:19}]\r\n"
# The prompt, written on its own, fails with EAGAIN, then the first read
# with EIO: each stream's report names its own failure.
broke="abc\r\nstr1=[]\r\nstr2=[abc\r\n]\r\necho2: read error: $EIO\r\n"
broke="${broke}echo2: write error: $EAGAIN\r\n"
# Three lines typed ahead: the next reader gets the third. It reads at once
# (min 0), so that if echo2 took the line, the case fails without waiting.
ahead="$prompt\r\nabc\r\ndef\r\nghi\r\nstr1=[abc]\r\nstr2=[def\r\n]\r\nghi\r\n"
next_reader='; stty min 0; head -n 1'
raw=(sh -c 'stty -icanon && exec "$@"' sh)
# master_side TEXT COMMAND...: COMMAND with stdin the master side of a
# pseudoterminal whose terminal has written TEXT (printf %b escapes), then
# closed; Tcl takes its paths in UTF-8, as at_terminal does.
master_side() {
	LC_ALL=C.UTF-8 expect -f <(printf '%s\n' 'log_user 0' \
		'spawn -noecho printf %b [lindex $argv 0]' wait \
		'exec {*}[lrange $argv 1 end] <@ [exp_open -leaveopen] >@ stdout 2>@ stderr') -- \
		"$1" env LC_ALL=C "${@:2}"
}
# Each echo line, written on its own, fails with EIO.
lost1="$prompt\r\nabc\r\ndef\r\nstr2=[def\r\n]\r\necho2: write error: $EIO\r\n"
lost2="$prompt\r\nabc\r\ndef\r\nstr1=[abc]\r\necho2: write error: $EIO\r\n"
eintr=(-e inject=read,readv:error=EINTR:when=1)
# The prompt goes out by the call that writes stdio's buffer, which musl
# makes writev, and the reports by write(2), so that the first of that call
# is the prompt's alone.
flush=write
[ "$LIBC" != musl ] || flush=writev
eio=(-e "inject=$flush:error=EAGAIN:when=1" -e inject=read,readv:error=EIO:when=1)

if posix 'a POSIX terminal' && can expect expect -c 'exit [catch {spawn -noecho true}]'; then
	at_terminal 'abc and def typed' 0 "$typed" "$nl" $'abc\rdef\r'
	at_terminal 'Ctrl-D first' 0 "$prompt\r\ndef\r\nstr1=[]\r\nstr2=[]\r\n" \
		"$nl" $'\x04def\r'
	at_terminal 'Ctrl-D second' 0 "$prompt\r\nabc\r\nstr1=[abc]\r\nstr2=[]\r\n" \
		"$nl" $'abc\r\x04'
	then=$next_reader at_terminal 'typed ahead, then head' 0 "$ahead" \
		"$nl" $'abc\rdef\rghi\r'
	then=$next_reader with "${raw[@]}" -- at_terminal \
		'typed ahead out of canonical mode, then head' 0 "$ahead" \
		"$nl" $'abc\rdef\rghi\r'
	# The terminal's newline reaches the master as CR LF. Its hang-up, once
	# its last descriptor has closed, ends the input.
	with master_side 'abc\ndef\nghi\n' sh -c '"$@"; head -n 1' sh -- run \
		'the master side, then head' 0 "$prompt\nstr1=[abc\r]\nstr2=[def\r\n]\nghi\r\n" '' >"$tmp/out"
	with master_side 'a\n' -- run 'the master hung up after a line' 0 \
		"$prompt\nstr1=[a\r]\nstr2=[]\n" '' >"$tmp/out"
	with master_side 'abc' -- run 'the master hung up within a line' 0 \
		"$prompt\nstr1=[abc]\nstr2=[]\n" '' >"$tmp/out"
	with master_side '' -- run 'the master hung up at once' 0 "$no_input" '' >"$tmp/out"
	then='; cat' at_terminal 'an over-long line, then cat' 0 "${cut}next\r\nnext\r\n" \
		"$nl" "$long"$'\r' 'str2=[' '' $']\r\n' $'next\r\x04'
	if can_inject; then
		with "${inject[@]}" "${eintr[@]}" -- at_terminal 'a read interrupted' 0 \
			"$typed" "$nl" $'abc\rdef\r'
		with "${inject[@]}" "${eio[@]}" -- at_terminal 'prompt and a read failed' 1 \
			"$broke" '' $'abc\r'
		with "${inject[@]}" -e inject=write,writev:error=EIO:when=2 -- at_terminal \
			'the first echo line failed' 1 "$lost1" \
			"$nl" $'abc\rdef\r'
		with "${inject[@]}" -e inject=write,writev:error=EIO:when=3 -- at_terminal \
			'the second echo line failed' 1 "$lost2" \
			"$nl" $'abc\rdef\r'
	fi
fi

# A console under wine speaks UTF-8 to the terminal where the locale does,
# and a newline is CR LF to it; it reads once it has put the terminal out of
# canonical mode. Seven Japanese characters are 21 bytes, which the bound
# cuts: a console shows each part as U+FFFD. Ctrl-Z reaches the console
# once the terminal no longer stops the job for it.
a3='\xe3\x81\x82\xe3\x81\x84\xe3\x81\x86'
a7="$a3"'\xe3\x81\x88\xe3\x81\x8a\xe3\x81\x8b\xe3\x81\x8d'
fffd='\xef\xbf\xbd'
if [ "$LIBC" = windows ] && can expect expect -c 'exit [catch {spawn -noecho true}]'; then
	launch=(env LC_ALL=C.UTF-8 "${launch[@]}")
	at_terminal 'the prompt and Japanese at a console' 0 \
		"$prompt\r\r\n$a3\r\r\ndef\r\r\nstr1=[$a3]\r\r\nstr2=[def\r\r\n]\r\r\n" \
		"$nl" '' '<raw>' "$(printf '%b' "$a3")"$'\rdef\r'
	echoed=$tmp/echoed then=' >"$echoed"' at_terminal 'Japanese typed, the echo in a file' 0 \
		"$a7\r\r\n" '<raw>' "$(printf '%b' "$a7")"$'\r'
	cp "$tmp/echoed" "$tmp/out"
	check 'the bytes of Japanese typed' 0 \
		"$prompt\nstr1=[${a7:0:72}\xe3]\nstr2=[\x81\x8d\n]\n" ''
	at_terminal 'Japanese cut, the echo at a console' 0 \
		"$prompt\r\r\n$a7\r\r\nstr1=[${a7:0:72}$fffd]\r\r\nstr2=[$fffd$fffd\r\r\n]\r\r\n" \
		"$nl" '' '<raw>' "$(printf '%b' "$a7")"$'\r'
	with sh -c 'stty susp undef && exec "$@"' sh -- at_terminal \
		'Ctrl-Z starting the second line at a console' 0 \
		"$prompt\r\r\nabc\r\r\n^Z\r\r\nstr1=[abc]\r\r\nstr2=[]\r\r\n" \
		"$nl" '' '<raw>' $'abc\r\x1a\r'
fi

finish
