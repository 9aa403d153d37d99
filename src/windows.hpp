// echo2's steps as Windows needs them (see windows.cpp). The stream
// functions have the names and the results of the C library's.
#include <cstdio>
#include <unistd.h>

bool keeps_rest();
bool hung_up();

namespace sys
{
int puts(char const *text);
int printf(char const *format, ...);
int getc(std::FILE *stream);
int feof(std::FILE *stream);
int fflush(std::FILE *stream);
int fclose(std::FILE *stream);
} // namespace sys
