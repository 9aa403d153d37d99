// echo2: prompt for two strings, read two bounded lines, echo them back.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	// Zeroed so that a read which takes no byte leaves an empty string.
	char str1[20] = {};
	char str2[20] = {};
	int read_errno = 0;

	std::puts("文字列を2つ入力(長さ < 20)");
	// On a read error fgets leaves the array indeterminate; strlen must
	// never run past it, so a failed read always leaves an empty string.
	if (std::fgets(str1, sizeof str1, stdin) == nullptr) {
		str1[0] = '\0';
		read_errno = errno;
	}
	if (std::fgets(str2, sizeof str2, stdin) == nullptr) {
		str2[0] = '\0';
		read_errno = errno;
	}
	std::size_t const len = std::strlen(str1);
	if (len >= 1 && str1[len - 1] == '\n')
		str1[len - 1] = '\0';
	std::printf("str1=[%s]\n", str1);
	std::printf("str2=[%s]\n", str2);

	bool const write_failed =
	        std::fflush(stdout) == EOF || std::ferror(stdout);
	// Taken at once: the writes below may change errno.
	int const write_errno = errno;
	int status = 0;
	if (std::ferror(stdin)) {
		std::fprintf(stderr, "echo2: read error: %s\n",
		             std::strerror(read_errno));
		status = 1;
	}
	if (write_failed) {
		std::fprintf(stderr, "echo2: write error: %s\n",
		             std::strerror(write_errno));
		status = 1;
	}
	return status;
}
