#!/bin/bash
# echo2 on a file leaves the rest of the file, from the first byte that its
# two reads did not take, to the next command that reads it.
echo2=$1
. "$(dirname "$0")/lib.sh"

# rest INPUT WANT: after echo2 has read INPUT from a file, WANT is left.
rest() {
	printf '%b' "$1" >"$tmp/in"
	{ start >/dev/null; cat >"$tmp/out"; } <"$tmp/in"
	check "rest of '$1'" 0 "$2" ''
}

rest 'abc\ndef\nghi\njkl\n'                        'ghi\njkl\n'
rest 'abcdefghijklmnopqrstuvwxyz\nnext\n'          'next\n'
rest 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN\n'  'MN\n'
rest 'abc\nABCDEFGHIJKLMNOPQRSTUVWXYZ\nnext\n'     'TUVWXYZ\nnext\n'
rest 'abc\ndef\n'                                  ''

finish
