// A preload whose getc reads again after the end of the input, as bionic's
// does, where the GNU C library's and musl's keep the end: echo2 must keep
// it itself, and the terminal test, run under this, fails where it does not.
#include <cstdio>
#include <dlfcn.h>

extern "C" int getc(FILE *stream)
{
	std::clearerr(stream);
	auto *const next =
	        reinterpret_cast<int (*)(FILE *)>(dlsym(RTLD_NEXT, "getc"));
	return next(stream);
}
