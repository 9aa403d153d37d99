// A preload that makes the C library that echo2 is built with behave as
// one that cannot be run here. Every model has an fflush that fails with
// EBADF on an input stream and does nothing, as OpenBSD's, NetBSD's and
// bionic's do; with GETC_AGAIN, getc also reads again after the end of the
// input, as bionic's does.
#include <cerrno>
#include <cstdio>
#include <dlfcn.h>

extern "C" int fflush(FILE *stream)
{
	if (stream == stdin) {
		errno = EBADF;
		return EOF;
	}
	auto *const next =
	        reinterpret_cast<int (*)(FILE *)>(dlsym(RTLD_NEXT, "fflush"));
	return next(stream);
}

#ifdef GETC_AGAIN
extern "C" int getc(FILE *stream)
{
	std::clearerr(stream);
	auto *const next =
	        reinterpret_cast<int (*)(FILE *)>(dlsym(RTLD_NEXT, "getc"));
	return next(stream);
}
#endif
