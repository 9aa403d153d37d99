// echo2 on Windows. The three streams are in binary mode, so that every
// byte passes as on Linux. A console is written and read in UTF-16, which
// shows and takes Japanese at any code page, and nothing of it is changed.
#include "windows.hpp"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <windows.h>

namespace
{

// Before main: no CR added or taken away, no Ctrl-Z that ends a file.
int const binary = [] {
	for (int fd = 0; fd <= 2; ++fd)
		_setmode(fd, _O_BINARY);
	return 0;
}();

// The console on stdin or stdout, or nullptr where there is none.
HANDLE console(DWORD which)
{
	HANDLE const handle = GetStdHandle(which);
	DWORD mode = 0;
	return GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// Looked up once, after the streams are made binary.
HANDLE const console_in = console(STD_INPUT_HANDLE);
HANDLE const console_out = console(STD_OUTPUT_HANDLE);

// errno for a Windows error, where a console call failed.
int posix(DWORD error)
{
	switch (error) {
	case ERROR_INVALID_HANDLE:
		return EBADF;
	case ERROR_BROKEN_PIPE:
	case ERROR_NO_DATA:
	case ERROR_PIPE_NOT_CONNECTED:
		return EPIPE;
	default:
		return EIO;
	}
}

// EOF, with errno set for the Windows error of the call that failed.
int failure()
{
	errno = posix(GetLastError());
	return EOF;
}

// result, a stream call's: the C library calls a pipe whose reader has
// gone EINVAL, which POSIX calls EPIPE.
int checked(int result)
{
	if (result < 0 && errno == EINVAL &&
	    posix(static_cast<DWORD>(_doserrno)) == EPIPE)
		errno = EPIPE;
	return result;
}

// The text that format makes, in UTF-8, to the console out as UTF-16,
// whole: its size in bytes, or -1 with errno set. The longest that echo2
// writes is the prompt line; one that does not fit fails (EOVERFLOW)
// rather than be cut.
int write_console(char const *format, std::va_list args)
{
	char text[256];
	wchar_t wide[sizeof text];
	int const size = std::vsnprintf(text, sizeof text, format, args);
	if (size < 0 || size >= static_cast<int>(sizeof text)) {
		errno = EOVERFLOW;
		return -1;
	}
	int const length =
	        size == 0 ? 0
	                  : MultiByteToWideChar(CP_UTF8, 0, text, size, wide,
	                                        static_cast<int>(sizeof text));
	if (size > 0 && length == 0)
		return failure();
	for (int done = 0; done < length;) {
		DWORD written = 0;
		if (!WriteConsoleW(console_out, wide + done,
		                   static_cast<DWORD>(length - done), &written,
		                   nullptr))
			return failure();
		if (written == 0) {
			errno = EIO;
			return -1;
		}
		done += static_cast<int>(written);
	}
	return size;
}

// A console line as typed, in UTF-8, its CR LF made LF, and how much of it
// getc has given.
char line[3 * 1024];
int line_size = 0;
int given = 0;
bool ended = false;

} // namespace

bool keeps_rest()
{
	DWORD const type = GetFileType(GetStdHandle(STD_INPUT_HANDLE));
	return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

// No stdin on Windows is the master side of a pseudoterminal.
bool hung_up()
{
	return false;
}

namespace sys
{

int printf(char const *format, ...)
{
	std::va_list args;
	va_start(args, format);
	int const size = console_out == nullptr
	                         ? checked(std::vprintf(format, args))
	                         : write_console(format, args);
	va_end(args);
	return size;
}

int puts(char const *text)
{
	if (console_out == nullptr)
		return checked(std::puts(text));
	return printf("%s\n", text) < 0 ? EOF : 0;
}

// A line that begins with Ctrl-Z ends the input, as Windows has it, and so
// does a read of no character. Ctrl-C also gives no character, with
// ERROR_OPERATION_ABORTED, while the console's handler ends the process
// from another thread: that read is made again, and is no end.
int getc(std::FILE *stream)
{
	if (stream != stdin || console_in == nullptr)
		return std::getc(stream);
	while (given == line_size && !ended) {
		wchar_t wide[1024];
		DWORD size = 0;
		SetLastError(0);
		if (!ReadConsoleW(console_in, wide, 1024, &size, nullptr))
			return failure();
		if (size == 0 && GetLastError() == ERROR_OPERATION_ABORTED)
			continue;
		if (size >= 2 && wide[size - 2] == L'\r' &&
		    wide[size - 1] == L'\n') {
			size -= 1;
			wide[size - 1] = L'\n';
		}
		ended = size == 0 || wide[0] == L'\x1a';
		line_size = ended ? 0
		                  : WideCharToMultiByte(CP_UTF8, 0, wide,
		                                        static_cast<int>(size),
		                                        line, sizeof line,
		                                        nullptr, nullptr);
		given = 0;
		if (!ended && line_size == 0)
			return failure();
	}
	return given == line_size ? EOF
	                          : static_cast<unsigned char>(line[given++]);
}

int feof(std::FILE *stream)
{
	return stream == stdin && console_in != nullptr ? ended
	                                                : std::feof(stream);
}

int fflush(std::FILE *stream)
{
	return checked(std::fflush(stream));
}

int fclose(std::FILE *stream)
{
	return checked(std::fclose(stream));
}

} // namespace sys
