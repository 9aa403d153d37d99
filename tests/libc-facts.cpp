// libc-facts: what the suite must know of the C library that echo2 is built
// with, as NAME=VALUE lines: which one it is, and its words for each error
// that the suite makes echo2 meet.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
#if defined(__GLIBC__) && !defined(__UCLIBC__)
	std::puts("LIBC=glibc");
#elif defined(__BIONIC__)
	std::puts("LIBC=bionic");
#elif defined(_WIN32)
	std::puts("LIBC=windows");
#elif defined(__linux__)
	// The one C library for Linux that names itself by no macro.
	std::puts("LIBC=musl");
#endif
	struct reason {
		char const *name;
		int number;
	};
	reason const reasons[] = {{"EAGAIN", EAGAIN}, {"EBADF", EBADF},
	                          {"EFBIG", EFBIG},   {"EIO", EIO},
	                          {"EISDIR", EISDIR}, {"ENOSPC", ENOSPC},
	                          {"EPIPE", EPIPE}};
	for (reason const &r : reasons)
		std::printf("%s=%s\n", r.name, std::strerror(r.number));
}
