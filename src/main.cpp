// echo2: prompt for two strings, read two bounded lines, echo them back.
#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include "windows.hpp"
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

// The stream functions: the C library's, as they are; on Windows, those of
// windows.cpp, which speak UTF-16 to a console.
namespace sys = std;

// Whether stdin keeps what is not read for the next reader: a file, a block
// device, a pipe or FIFO, a stream socket. A terminal, a message socket and
// a device such as /dev/kmsg give a line or a message a read instead.
static bool keeps_rest()
{
	struct stat st = {};
	int type = 0;
	socklen_t size = sizeof type;
	if (fstat(STDIN_FILENO, &st) != 0)
		return false;
	if (S_ISSOCK(st.st_mode))
		return getsockopt(STDIN_FILENO, SOL_SOCKET, SO_TYPE, &type,
		                  &size) == 0 &&
		       type == SOCK_STREAM;
	return S_ISREG(st.st_mode) || S_ISBLK(st.st_mode) ||
	       S_ISFIFO(st.st_mode);
}
#endif

int main()
{
	char str1[20];
	char str2[20];
	// The errno of the first failure on each stream, taken where it fails:
	// a later call may change errno before the report at the end.
	int read_errno = 0;
	int write_errno = 0;

	// Where stdin keeps the rest, a read(2) of one byte at a time takes no
	// byte that the two strings do not use; elsewhere the C library reads
	// a line or a message at a time, whose rest is lost either way.
	bool const bytewise = keeps_rest();
	if (sys::puts("文字列を2つ入力(長さ < 20)") == EOF)
		write_errno = errno;
	// Each read takes bytes up to and including a newline, at most 19, as
	// fgets does. A read that fails keeps what a non-blocking stdin gave
	// before EAGAIN, and drops what it took before any other failure; one
	// that a signal interrupted (EINTR) is made again. The end of the input
	// is kept here, as bionic's getc does not keep it.
	bool ended = false;
	char *const strs[] = {str1, str2};
	for (char *const str : strs) {
		std::size_t len = 0;
		while (!ended && len < sizeof str1 - 1) {
			// 1 for a byte, 0 at the end, -1 for a failure.
			ssize_t got = 0;
			unsigned char byte = 0;
			if (bytewise) {
				got = read(STDIN_FILENO, &byte, 1);
			} else if (int const c = sys::getc(stdin); c != EOF) {
				byte = static_cast<unsigned char>(c);
				got = 1;
			} else {
				got = sys::feof(stdin) ? 0 : -1;
			}
			if (got == 1) {
				str[len++] = static_cast<char>(byte);
				if (byte == '\n')
					break;
			} else if (got == 0) {
				ended = true;
			} else if (errno != EINTR) {
				if (read_errno == 0)
					read_errno = errno;
				if (errno != EAGAIN)
					len = 0;
				break;
			}
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

	struct report {
		char const *what;
		int error;
	};
	report const reports[] = {{"read", read_errno}, {"write", write_errno}};
	int status = 0;
	for (report const &r : reports) {
		if (r.error != 0) {
			std::fprintf(stderr, "echo2: %s error: %s\n", r.what,
			             std::strerror(r.error));
			status = 1;
		}
	}
	return status;
}
