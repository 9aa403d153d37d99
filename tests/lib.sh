# Shared by the test scripts, which set $echo2 to the echo2 under test and
# $libc to the program that tells of its C library. Every start of echo2
# runs under the array $launch: with ECHO2_PRELOAD, when set, preloaded;
# under ECHO2_LAUNCHER, a command line of words such as a memory checker;
# and under ECHO2_EMULATOR, a CMake list that the build sets for a
# cross-built echo2. Paths are words of arrays, never split, so that any
# directory will do, spaces and all.
set -u
args=("$@")
read -ra launcher <<<"${ECHO2_LAUNCHER-}"
IFS=';' read -ra emulator <<<"${ECHO2_EMULATOR-}"
# The dynamic loader splits LD_PRELOAD at spaces: the preload is named
# there alone, and found in its directory.
launch=(${ECHO2_PRELOAD:+env "LD_PRELOAD=${ECHO2_PRELOAD##*/}"
	"LD_LIBRARY_PATH=${ECHO2_PRELOAD%/*}${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"}
	"${launcher[@]}" "${emulator[@]}")
# The one locale that is always there: one that the environment names may
# not be installed, and perl, for one, then warns on stderr.
export LC_ALL=C
# In an empty environment bash searches a PATH of its own but does not pass
# it on: strace finds no perl without it, and groff crashes.
export PATH
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The test's own output, whatever a case redirects stdout to.
exec 3>&1
passed=0
failed=0
# wine 8's loader now and then fails this assertion as a program exits, its
# work done; a case that failed so is counted here.
wine_assert='^Inconsistency detected by ld\.so: dl-fini\.c:'
asserted=0

# The prompt line without its newline, by its bytes: an editor or a font can
# turn the parentheses, spaces, "<" and digits into full-width look-alikes.
prompt='\xe6\x96\x87\xe5\xad\x97\xe5\x88\x97\xe3\x82\x92\x32\xe3\x81\xa4'
prompt=$prompt'\xe5\x85\xa5\xe5\x8a\x9b\x28\xe9\x95\xb7\xe3\x81\x95\x20\x3c'
prompt=$prompt'\x20\x32\x30\x29'
# An over-long line of 40 bytes, and what echo2 writes for two common inputs.
az=abcdefghijklmnopqrstuvwxyz
long=${az}ABCDEFGHIJKLMN
abc_def="$prompt\nstr1=[abc]\nstr2=[def\n]\n"
no_input="$prompt\nstr1=[]\nstr2=[]\n"

# Launcher prefixes for streams that fail on purpose. $streams arranges one
# (see streams.pl); $inject, followed by strace's -e inject=CALL:error=ERRNO
# :when=N, fails the Nth CALL on echo2's stdin or stdout and no other file.
streams=(perl "$(dirname "$0")/streams.pl")
# LeakSanitizer cannot run under ptrace, as strace runs echo2.
inject=(env ASAN_OPTIONS=detect_leaks=0 strace -o /dev/null
	-e quiet=path-resolution -P /dev/stdin -P /dev/stdout)

# with PREFIX... -- COMMAND [ARG...]: COMMAND, such as start or run, with
# each start of echo2 under the command line PREFIX, then under $launch.
with() {
	local -a saved=("${launch[@]}")
	local -i i=1
	while [ "${!i}" != -- ]; do
		i+=1
	done
	launch=("${@:1:i-1}" "${launch[@]}")
	"${@:i+1}"
	launch=("${saved[@]}")
}

# can COMMAND [PROBE...]: true when COMMAND is here and PROBE, a command line
# that needs what the cases need of it, runs; otherwise the cases that need
# it are skipped, and the end of the test names what was missing.
skips=''
can() {
	local why=''
	if ! command -v "$1" >/dev/null; then
		why="$1 (not found)"
	elif (($# > 1)) && ! "${@:2}" >/dev/null 2>&1; then
		why="$1 (\"${*:2}\" fails here)"
	fi
	[ -z "$why" ] && return
	[[ $skips == *"$why"* ]] || skips="${skips:+$skips, }$why"
	return 1
}

# posix WHAT: true unless echo2 is a Windows program, run under wine, for
# which the cases that need WHAT, which Windows has not or which cannot see
# into wine, are left out; the end of the test names them.
lefts=''
posix() {
	[ "${LIBC-}" != windows ] && return
	[[ $lefts == *"$1"* ]] || lefts="${lefts:+$lefts, }$1"
	return 1
}

# can_inject: true where $inject can run: strace is here and may trace.
can_inject() {
	posix strace && can strace strace -o /dev/null true
}

# From $libc: $LIBC, the C library (glibc, musl), and its words for each
# error that the cases make echo2 meet, as $EIO, $ENOSPC and so on, with
# echo2's report of a read and of a write failing so, as $r_EIO, $w_EIO.
if [ -n "${libc-}" ]; then
	while IFS='=' read -r name words; do
		words=${words%$'\r'}
		printf -v "$name" '%s' "$words"
		[ "${name:0:1}" = E ] || continue
		printf -v "r_$name" 'echo2: read error: %s\\n' "$words"
		printf -v "w_$name" 'echo2: write error: %s\\n' "$words"
	done < <("${emulator[@]}" "$libc")
fi

# start [ARG...]: run echo2 on the caller's redirections, stderr to $tmp/err
# and the exit status to $status; $tmp/out starts empty. bash's notice of a
# signal that ended it is no output of echo2's.
start() {
	: >"$tmp/out"
	status=0
	{ "${launch[@]}" "$echo2" "$@" 2>"$tmp/err" 3>&- || status=$?; } 2>/dev/null
}

# check NAME STATUS OUT ERR: the last run against the wanted exit status and
# the wanted bytes (printf %b escapes) of $tmp/out and $tmp/err; a mismatch
# shows both sides as a hex dump.
check() {
	printf '%b' "$3" >"$tmp/want-out"
	printf '%b' "$4" >"$tmp/want-err"
	local ok=1
	if [ "$status" != "$2" ]; then
		printf 'FAIL %s: exit status %s, want %s\n' "$1" "$status" "$2" >&3
		ok=0
	fi
	for stream in out err; do
		cmp -s "$tmp/want-$stream" "$tmp/$stream" && continue
		{
			printf 'FAIL %s: std%s differs\nwant:\n' "$1" "$stream"
			od -An -tx1 -c "$tmp/want-$stream"
			printf 'got:\n'
			od -An -tx1 -c "$tmp/$stream"
		} >&3
		ok=0
	done
	if [ "$ok" = 1 ]; then
		passed=$((passed + 1))
	else
		failed=$((failed + 1))
		[ "${LIBC-}" = windows ] && cat "$tmp/out" "$tmp/err" |
			grep -q "$wine_assert" && asserted=$((asserted + 1))
	fi
}

# origin PAGE: the page of the source that PAGE, built or installed, is.
origin() {
	case $1 in
	*/ja/*) echo doc/ja/echo2.1 ;;
	*) echo doc/echo2.1 ;;
	esac
}

# tie NAME FIX: the fact NAME holds where FIX, what to change in which
# file of the source (printf %b escapes), is empty.
tie() {
	if [ -z "$2" ]; then
		passed=$((passed + 1))
	else
		printf 'FAIL %s: %b' "$1" "$2" >&3
		failed=$((failed + 1))
	fi
}

# run NAME STATUS OUT ERR [ARG...]: start, on the caller's redirections, and
# check; OUT is what stdout gets when the caller sends it to $tmp/out.
run() {
	start "${@:5}"
	check "$1" "$2" "$3" "$4"
}

# finish: the counts; exit status 77, which CTest takes for a skip, when
# every case that ran passed but some could not run here, saying why. A
# test whose every failure was wine's assertion runs once more; any other
# failure fails it at once.
finish() {
	printf '%d passed, %d failed\n' "$passed" "$failed"
	if ((failed > 0 && failed == asserted)) && [ -z "${ECHO2_AGAIN-}" ]; then
		printf 'wine asserted at exit in each failed case: once more\n'
		rm -rf "$tmp"
		ECHO2_AGAIN=1 exec bash "$0" "${args[@]}"
	fi
	[ -z "$lefts" ] || printf 'left out on Windows the cases that need %s\n' "$lefts"
	if [ -n "$skips" ]; then
		local why="skipped the cases that need $skips"
		printf '%s\n' "$why"
		# For ctest to show once every test has run (tests/CMakeLists.txt).
		[ -z "${ECHO2_SKIPS-}" ] ||
			printf '%s: %s\n' "${ECHO2_TEST-$0}" "$why" >>"$ECHO2_SKIPS"
	fi
	[ "$failed" = 0 ] || exit 1
	[ -z "$skips" ] || exit 77
}
