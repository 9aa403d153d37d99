#!/bin/bash
# echo2 at a terminal: the prompt is shown before echo2 waits for input, and
# the terminal then shows the typed lines and their echo. A terminal gives a
# line a read: what echo2 read of an over-long line is gone, and what is
# typed after the end of the input (Ctrl-D) is left to the shell.
echo2=$1 libc=$2
. "$(dirname "$0")/lib.sh"

# at_terminal NAME STATUS OUT [WAIT TYPE]...: what the terminal shows, stderr
# included, while echo2 runs on it, and then $after when it is set, typed at
# as the WAIT and TYPE pairs say (see terminal.exp).
at_terminal() {
	status=0
	expect "$(dirname "$0")/terminal.exp" "${@:4}" -- \
		sh -c '"$@"; '"${after-}" sh $launch "$echo2" \
		>"$tmp/out" 2>"$tmp/err" || status=$?
	check "$1" "$2" "$3" ''
}

nl=$'\r\n'
typed="$prompt\r\nabc\r\ndef\r\nstr1=[abc]\r\nstr2=[def\r\n]\r\n"
long=abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN
cut="$prompt\r\n$long\r\nstr1=[${long:0:19}]\r\nstr2=[${long:19:19}]\r\n"
# The prompt, written on its own, fails with EAGAIN, then the first read
# with EIO: each stream's report names its own failure.
broke="abc\r\nstr1=[]\r\nstr2=[abc\r\n]\r\necho2: read error: $EIO\r\n"
broke="${broke}echo2: write error: $EAGAIN\r\n"
eintr='-e inject=read,readv:error=EINTR:when=1'
eio='-e inject=write,writev:error=EAGAIN:when=1 -e inject=read,readv:error=EIO:when=1'

if can expect expect -c 'exit [catch {spawn -noecho true}]'; then
	at_terminal 'abc and def typed' 0 "$typed" "$nl" $'abc\rdef\r'
	at_terminal 'Ctrl-D first' 0 "$prompt\r\ndef\r\nstr1=[]\r\nstr2=[]\r\n" \
		"$nl" $'\x04def\r'
	after=cat at_terminal 'an over-long line, then cat' 0 "${cut}next\r\nnext\r\n" \
		"$nl" "$long"$'\r' 'str2=[' '' $']\r\n' $'next\r\x04'
	if can_inject; then
		launch="$inject $eintr $launch" at_terminal 'a read interrupted' 0 \
			"$typed" "$nl" $'abc\rdef\r'
		launch="$inject $eio $launch" at_terminal 'prompt and a read failed' 1 \
			"$broke" '' $'abc\r'
	fi
fi

finish
