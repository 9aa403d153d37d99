#!/bin/bash
# echo2 on one input after another: what it writes after the prompt line,
# byte for byte, with exit status 0 and nothing on stderr.
echo2=$1 libc=$2
. "$(dirname "$0")/lib.sh"

# echoes INPUT WANT: INPUT on stdin (printf %b escapes) gives the prompt line
# and then WANT on stdout.
echoes() {
	printf '%b' "$1" >"$tmp/in"
	start <"$tmp/in" >"$tmp/out"
	check "input '$1'" 0 "$prompt\n$2" ''
}

# Two ordinary lines; spaces, tabs and empty lines are kept as they are.
echoes 'abc\ndef\n'            'str1=[abc]\nstr2=[def\n]\n'
echoes '\n\n'                  'str1=[]\nstr2=[\n]\n'
echoes '  a b \t\n\tc  \n'     'str1=[  a b \t]\nstr2=[\tc  \n]\n'
# Only the first line's newline goes, and nothing else with it.
echoes 'abc\r\ndef\r\n'        'str1=[abc\r]\nstr2=[def\r\n]\n'
echoes 'abc\n\ndef\n'          'str1=[abc]\nstr2=[\n]\n'
# 19 bytes a read: a longer first line spills into the second string.
echoes '012345678901234567\nxy\n'  'str1=[012345678901234567]\nstr2=[xy\n]\n'
echoes '0123456789012345678\nxy\n' 'str1=[0123456789012345678]\nstr2=[\n]\n'
echoes "$az\nxy\n"              'str1=[abcdefghijklmnopqrs]\nstr2=[tuvwxyz\n]\n'
echoes "$long\nxy\n" "str1=[${az:0:19}]\nstr2=[tuvwxyzABCDEFGHIJKL]\n"
echoes 'abc\n0123456789012345678\n' 'str1=[abc]\nstr2=[0123456789012345678]\n'
echoes 'abc\n012345678901234567\n'  'str1=[abc]\nstr2=[012345678901234567\n]\n'
# Input that ends early; nothing read leaves an empty string.
echoes ''                      'str1=[]\nstr2=[]\n'
echoes 'abc'                   'str1=[abc]\nstr2=[]\n'
echoes 'abc\n'                 'str1=[abc]\nstr2=[]\n'
echoes 'abc\ndef'              'str1=[abc]\nstr2=[def]\n'
# A NUL ends a string, but the read still takes its whole line or 19 bytes.
echoes '\0abc\ndef\n'          'str1=[]\nstr2=[def\n]\n'
echoes '\0\n\0\n'              'str1=[]\nstr2=[]\n'
echoes 'ab\0cd\nef\0gh\n'      'str1=[ab]\nstr2=[ef]\n'
echoes 'a\0bcdefghijklmnopqrstuvw\nxy\n' 'str1=[a]\nstr2=[stuvw\n]\n'
# Bytes, not characters: the bound cuts a UTF-8 character in two.
a6='\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82'
echoes "$a6\xe3\x81\x84\n"     "str1=[$a6\xe3]\nstr2=[\x81\x84\n]\n"
echoes '\xff\xfe\x80\n\xe3\x81\n' 'str1=[\xff\xfe\x80]\nstr2=[\xe3\x81\n]\n'

finish
