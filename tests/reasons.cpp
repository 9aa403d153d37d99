// reasons: the words of the C library that it is built with for each error
// that the suite makes echo2 meet, as NAME=WORDS lines: each C library words
// them its own way.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main()
{
	struct reason {
		char const *name;
		int number;
	};
	reason const reasons[] = {{"EAGAIN", EAGAIN}, {"EBADF", EBADF},
	                          {"EIO", EIO},       {"EISDIR", EISDIR},
	                          {"ENOSPC", ENOSPC}, {"EPIPE", EPIPE}};
	for (reason const &r : reasons)
		std::printf("%s=%s\n", r.name, std::strerror(r.number));
}
