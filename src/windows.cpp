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

// result, a stream call's: the C library calls a pipe whose reader has
// gone EINVAL, which POSIX calls EPIPE.
int checked(int result)
{
	if (result < 0 && errno == EINVAL &&
	    posix(static_cast<DWORD>(_doserrno)) == EPIPE)
		errno = EPIPE;
	return result;
}

// text, a line in UTF-8, to the console out as UTF-16.
int write_console(HANDLE out, char const *text)
{
	wchar_t wide[256];
	int const size = MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 256);
	DWORD written = 0;
	if (size == 0 || !WriteConsoleW(out, wide, static_cast<DWORD>(size - 1),
	                                &written, nullptr)) {
		errno = posix(GetLastError());
		return EOF;
	}
	return 0;
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

namespace sys
{

int puts(char const *text)
{
	HANDLE const out = console(STD_OUTPUT_HANDLE);
	if (out == nullptr)
		return checked(std::puts(text));
	return write_console(out, text) == EOF ? EOF : write_console(out, "\n");
}

int printf(char const *format, ...)
{
	std::va_list args;
	va_start(args, format);
	char text[256];
	HANDLE const out = console(STD_OUTPUT_HANDLE);
	int const size = out == nullptr ? checked(std::vprintf(format, args))
	                                : std::vsnprintf(text, sizeof text,
	                                                 format, args);
	va_end(args);
	if (out == nullptr || size < 0)
		return size;
	return write_console(out, text) == EOF ? -1 : size;
}

// A line that begins with Ctrl-Z ends the input, as Windows has it.
int getc(std::FILE *stream)
{
	HANDLE const in = console(STD_INPUT_HANDLE);
	if (stream != stdin || in == nullptr)
		return std::getc(stream);
	if (given == line_size && !ended) {
		wchar_t wide[1024];
		DWORD size = 0;
		if (!ReadConsoleW(in, wide, 1024, &size, nullptr)) {
			errno = posix(GetLastError());
			return EOF;
		}
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
	}
	return given == line_size ? EOF
	                          : static_cast<unsigned char>(line[given++]);
}

int feof(std::FILE *stream)
{
	return stream == stdin && console(STD_INPUT_HANDLE) != nullptr
	               ? ended
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
