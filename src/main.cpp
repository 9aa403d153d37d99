// echo2: prompt for two strings, read two bounded lines, echo them back.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	// Zeroed so that a read which takes no byte leaves an empty string.
	char str1[20] = {};
	char str2[20] = {};
	// The errno of the first failure on each stream, taken where it fails:
	// any later call may change errno before the report at the end.
	int read_errno = 0;
	int handback_errno = 0;
	int write_errno = 0;

	std::puts("文字列を2つ入力(長さ < 20)");
	if (std::ferror(stdout))
		write_errno = errno;
	// On a read error fgets leaves the array indeterminate; strlen must
	// never run past it, so a failed read always leaves an empty string.
	// A read can also fail after taking bytes (EAGAIN on a non-blocking
	// stdin): fgets then returns them and sets only the error flag.
	if (std::fgets(str1, sizeof str1, stdin) == nullptr)
		str1[0] = '\0';
	if (std::ferror(stdin))
		read_errno = errno;
	if (std::fgets(str2, sizeof str2, stdin) == nullptr)
		str2[0] = '\0';
	if (std::ferror(stdin) && read_errno == 0)
		read_errno = errno;
	// Hand a seekable stdin back right after the last byte taken now, not
	// at exit: a write below may kill echo2 (SIGPIPE, SIGXFSZ), and the
	// next reader of the file must not lose what stdio read ahead. On a
	// pipe or a terminal this does nothing. A failed seek sets no error
	// flag: only the result tells.
	if (std::fflush(stdin) != 0)
		handback_errno = errno;

	std::size_t const len = std::strlen(str1);
	if (len >= 1 && str1[len - 1] == '\n')
		str1[len - 1] = '\0';
	std::printf("str1=[%s]\n", str1);
	if (std::ferror(stdout) && write_errno == 0)
		write_errno = errno;
	std::printf("str2=[%s]\n", str2);
	if (std::ferror(stdout) && write_errno == 0)
		write_errno = errno;
	// Some file systems (NFS, FUSE) report a failed write only at close.
	bool write_failed = std::ferror(stdout) != 0;
	if (std::fclose(stdout) != 0 && !write_failed) {
		write_failed = true;
		write_errno = errno;
	}

	int status = 0;
	if (std::ferror(stdin)) {
		std::fprintf(stderr, "echo2: read error: %s\n",
		             std::strerror(read_errno));
		status = 1;
	} else if (handback_errno != 0) {
		std::fprintf(stderr, "echo2: hand-back error: %s\n",
		             std::strerror(handback_errno));
		status = 1;
	}
	if (write_failed) {
		std::fprintf(stderr, "echo2: write error: %s\n",
		             std::strerror(write_errno));
		status = 1;
	}
	return status;
}
