#!/bin/bash
# echo2 at a terminal: the prompt is shown before echo2 waits for input, and
# the terminal then shows the typed lines and their echo.
echo2=$1 reasons=$2
. "$(dirname "$0")/lib.sh"

# at_terminal NAME STATUS OUT [AHEAD]: what the terminal shows, stderr included.
at_terminal() {
	status=0
	ECHO2_LAUNCHER=$launch expect "$(dirname "$0")/terminal.exp" "$echo2" \
		${4+"$4"} >"$tmp/out" 2>"$tmp/err" || status=$?
	check "$1" "$2" "$3" ''
}

if can expect expect -c 'exit [catch {spawn -noecho true}]'; then
	at_terminal 'abc and def typed' 0 \
		"$prompt\r\nabc\r\ndef\r\nstr1=[abc]\r\nstr2=[def\r\n]\r\n"
	# The prompt, written on its own here, fails with EAGAIN, then the
	# first read with EIO: each stream's report names its own failure.
	if can_inject; then
		launch="$inject -e inject=write,writev:error=EAGAIN:when=1 -e inject=read:error=EIO:when=1 $launch" \
			at_terminal 'prompt and a read failed' 1 \
			"abc\r\nstr1=[]\r\nstr2=[abc\r\n]\r\necho2: read error: $EIO\r\necho2: write error: $EAGAIN\r\n" \
			abc
	fi
fi

finish
