# The toolchain of the windows preset: Debian's mingw-w64 for x86_64, with
# the Universal C Runtime where the release has it (Debian 13), msvcrt
# where not, and wine to run what it builds, in a prefix of the build's,
# with no display driver, which would speak on stderr of a missing display.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
find_program(CMAKE_CXX_COMPILER
	NAMES x86_64-w64-mingw32ucrt-g++ x86_64-w64-mingw32-g++ REQUIRED)
find_program(WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
	env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
	WINEDLLOVERRIDES=winex11.drv,winewayland.drv=d ${WINE})
