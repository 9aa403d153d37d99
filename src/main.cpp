// echo2: prompt for two strings, read two bounded lines, echo them back.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main()
{
	char str1[20];
	char str2[20];
	// The errno of the first failure on each stream, taken where it fails:
	// any later call may change errno before the report at the end. Every
	// failing call here sets errno, so 0 means that nothing failed.
	int read_errno = 0;
	int handback_errno = 0;
	int write_errno = 0;

	if (std::puts("文字列を2つ入力(長さ < 20)") == EOF)
		write_errno = errno;
	// Where stdin's file offset is to be left: where the reads start, and
	// after every byte they take. Taken after the prompt, which may move
	// it when stdout is the same open file. A pipe or a terminal has none
	// (ESPIPE), and nothing to hand back.
	off_t const start = lseek(STDIN_FILENO, 0, SEEK_CUR);
	if (start == -1 && errno != ESPIPE)
		handback_errno = errno;
	off_t taken = 0;
	// Each read takes bytes up to and including a newline, at most 19, as
	// fgets does, but a byte at a time: after a read error fgets leaves the
	// array indeterminate, and one C library then drops bytes it took.
	// Here every byte taken is known, so a read that fails leaves an empty
	// string, but for the bytes a non-blocking stdin gave before EAGAIN.
	// The end of the input, once seen, stays seen: a read that meets it
	// takes nothing more, and a read that stops short of it failed.
	char *const strs[] = {str1, str2};
	for (char *const str : strs) {
		std::size_t len = 0;
		int byte = 0;
		while (len < sizeof str1 - 1 &&
		       (byte = std::getc(stdin)) != EOF) {
			str[len++] = static_cast<char>(byte);
			if (byte == '\n')
				break;
		}
		taken += static_cast<off_t>(len);
		if (byte == EOF && !std::feof(stdin)) {
			if (read_errno == 0)
				read_errno = errno;
			if (errno != EAGAIN)
				len = 0;
		}
		str[len] = '\0';
	}
	// Hand a seekable stdin back right after the last byte taken now, not
	// at exit: a write below may kill echo2 (SIGPIPE, SIGXFSZ), and the
	// next reader of the file must not lose what stdio read ahead. fflush
	// moves the file offset there, but one C library ignores a failed seek
	// in it and drops what it read ahead all the same: the offset is
	// checked, and set once more where it is wrong.
	if (start != -1 &&
	    (std::fflush(stdin) != 0 ||
	     (lseek(STDIN_FILENO, 0, SEEK_CUR) != start + taken &&
	      lseek(STDIN_FILENO, start + taken, SEEK_SET) == -1)))
		handback_errno = errno;

	std::size_t const len = std::strlen(str1);
	if (len >= 1 && str1[len - 1] == '\n')
		str1[len - 1] = '\0';
	if (std::printf("str1=[%s]\n", str1) < 0 && write_errno == 0)
		write_errno = errno;
	if (std::printf("str2=[%s]\n", str2) < 0 && write_errno == 0)
		write_errno = errno;
	// The echo lines often reach the file only now; some file systems (NFS,
	// FUSE) report a failed write only at close, whose reason must not
	// hide that of a write that failed before it.
	if (std::fflush(stdout) == EOF && write_errno == 0)
		write_errno = errno;
	if (std::fclose(stdout) == EOF && write_errno == 0)
		write_errno = errno;

	int status = 0;
	if (read_errno != 0) {
		std::fprintf(stderr, "echo2: read error: %s\n",
		             std::strerror(read_errno));
		status = 1;
	} else if (handback_errno != 0) {
		std::fprintf(stderr, "echo2: hand-back error: %s\n",
		             std::strerror(handback_errno));
		status = 1;
	}
	if (write_errno != 0) {
		std::fprintf(stderr, "echo2: write error: %s\n",
		             std::strerror(write_errno));
		status = 1;
	}
	return status;
}
