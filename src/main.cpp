// echo2: prompt for two strings, read two bounded lines, echo them back.
#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include "windows.hpp"
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
// Linux's C libraries have major() and minor() here, a header that macOS
// and the BSDs lack; there a master is told by an ioctl.
#ifdef __linux__
#include <sys/sysmacros.h>
#else
#include <sys/ioctl.h>
#endif

// The stream functions: the C library's, as they are; on Windows, those of
// windows.cpp, which speak UTF-16 to a console.
namespace sys = std;

// Whether stdin, a character device, is the master side of a
// pseudoterminal, where a system tells it cheaply.
static bool master([[maybe_unused]] struct stat const &st)
{
#if defined(__linux__)
	// Every master is the device /dev/ptmx (5, 2), which tells it at no
	// cost, where a call to the C library would add a symbol to bind at
	// every start.
	return major(st.st_rdev) == 5 && minor(st.st_rdev) == 2;
#elif defined(TIOCPTMASTER)
	// FreeBSD: only a master takes this request, as its grantpt(3) asks.
	return ioctl(STDIN_FILENO, TIOCPTMASTER) == 0;
#elif defined(TIOCPTYGNAME)
	// macOS: only a master names its terminal, as its ptsname(3) asks.
	char name[128];
	return ioctl(STDIN_FILENO, TIOCPTYGNAME, name) == 0;
#else
	// No cheap way: a master is read as any other terminal.
	return false;
#endif
}

// Whether stdin keeps what a read does not take for the next reader, so
// that echo2 must take no byte beyond its two strings: a file, a block
// device, a pipe or FIFO, a stream socket, a terminal out of canonical mode
// and the master side of a pseudoterminal, which gives a read what is there
// whatever the mode of its terminal. A terminal in canonical mode gives a
// line a read; a message socket and a device such as /dev/kmsg, a message.
static bool keeps_rest()
{
	struct stat st = {};
	int type = 0;
	socklen_t size = sizeof type;
	struct termios mode = {};
	if (fstat(STDIN_FILENO, &st) != 0)
		return false;
	if (S_ISSOCK(st.st_mode))
		return getsockopt(STDIN_FILENO, SOL_SOCKET, SO_TYPE, &type,
		                  &size) == 0 &&
		       type == SOCK_STREAM;
	if (S_ISCHR(st.st_mode))
		return master(st) || (tcgetattr(STDIN_FILENO, &mode) == 0 &&
		                      (mode.c_lflag & ICANON) == 0);
	return S_ISREG(st.st_mode) || S_ISBLK(st.st_mode) ||
	       S_ISFIFO(st.st_mode);
}

// Whether a read that failed met the hang-up of a master: once the last
// descriptor of its terminal has closed, Linux fails each read with EIO,
// as the end of all that will come. errno is kept.
static bool hung_up()
{
	int const error = errno;
	struct stat st = {};
	bool const gone = error == EIO && fstat(STDIN_FILENO, &st) == 0 &&
	                  S_ISCHR(st.st_mode) && master(st);
	errno = error;
	return gone;
}
#endif

// A report on stderr, by write(2), which asks nothing else of stderr:
// glibc's dprintf first asks for its position, and writes nothing where
// that fails, as on /dev/kmsg. The text is put together here, which binds
// no formatting function at start; no reason comes near its size. What a
// write leaves, at a file-size limit say, is written again, as stdio does.
// Where stderr fails too, the report is lost: the exit status still tells.
static void report(char const *what, int error)
{
	char text[256];
	unsigned size = 0; // as Windows' write() takes it
	char const *const parts[] = {"echo2: ", what,
	                             " error: ", std::strerror(error), "\n"};
	for (char const *part : parts)
		while (*part != '\0' && size < sizeof text)
			text[size++] = *part++;
	for (unsigned done = 0; done < size;) {
		auto const written =
		        write(STDERR_FILENO, text + done, size - done);
		if (written <= 0)
			return;
		done += static_cast<unsigned>(written);
	}
}

// What next_byte gives besides a byte.
int const end = -1;    // the input has ended, now and for every later call
int const failed = -2; // a read failed, and errno says why

// The next byte of stdin. Where stdin keeps the rest, a read(2) of one byte
// takes no byte that the two strings do not use. Elsewhere the C library
// reads: a message's rest is lost either way, and at a terminal in
// canonical mode a read takes the rest of an over-long line (up to the C
// library's buffer), which the shell would otherwise run as a command. A
// read that a signal interrupted (EINTR) is made again, and a master's
// hang-up is the end, as a closed pipe's. The end is kept here, as
// bionic's getc does not keep it.
static int next_byte(bool bytewise)
{
	static bool ended = false;
	while (!ended) {
		if (bytewise) {
			unsigned char byte = 0;
			ssize_t const got = read(STDIN_FILENO, &byte, 1);
			if (got == 1)
				return byte;
			ended = got == 0 || hung_up();
		} else {
			int const c = sys::getc(stdin);
			if (c != EOF)
				return c;
			ended = sys::feof(stdin) != 0;
		}
		if (!ended && errno != EINTR)
			return failed;
	}
	return end;
}

int main()
{
	char str1[20];
	char str2[20];
	// The errno of the first failure on each stream, taken where it fails:
	// a later call may change errno before the report at the end.
	int read_errno = 0;
	int write_errno = 0;

	bool const bytewise = keeps_rest();
	if (sys::puts("文字列を2つ入力(長さ < 20)") == EOF)
		write_errno = errno;
	char *const strs[] = {str1, str2};
	for (char *const str : strs) {
		// As fgets: bytes up to and including a newline, at most 19.
		std::size_t len = 0;
		int c = 0;
		while (len < sizeof str1 - 1 &&
		       (c = next_byte(bytewise)) >= 0) {
			str[len++] = static_cast<char>(c);
			if (c == '\n')
				break;
		}
		// A read that fails drops what it took, but for what a
		// non-blocking stdin gave before it ran dry (EAGAIN).
		if (c == failed) {
			if (read_errno == 0)
				read_errno = errno;
			if (errno != EAGAIN)
				len = 0;
		}
		// The first string loses its newline, the last byte taken; a
		// NUL before it would end the string there anyway.
		if (str == str1 && len >= 1 && str[len - 1] == '\n')
			--len;
		str[len] = '\0';
	}

	if (sys::printf("str1=[%s]\n", str1) < 0 && write_errno == 0)
		write_errno = errno;
	if (sys::printf("str2=[%s]\n", str2) < 0 && write_errno == 0)
		write_errno = errno;
	// A failed write may show only at the final flush, and some file
	// systems (NFS, FUSE) report one only at close: the first reason wins.
	if (sys::fflush(stdout) == EOF && write_errno == 0)
		write_errno = errno;
	if (sys::fclose(stdout) == EOF && write_errno == 0)
		write_errno = errno;

	if (read_errno != 0)
		report("read", read_errno);
	if (write_errno != 0)
		report("write", write_errno);
	return read_errno != 0 || write_errno != 0;
}
