# The toolchain of the macos preset: Zig's clang, which carries macOS's C
# library headers and links Mach-O, builds echo2 for macOS on ECHO2_ARCH,
# arm64 or x86_64. Nothing here can run what it builds. The macos job puts
# on PATH the Zig that .ci/macos/package-lock.json pins.
if(DEFINED CMAKE_CXX_VERBOSE_FLAG)
	# Read again after Apple's rules, as their override (below): Zig's
	# linker takes no -v, which CMake asks of Apple's to learn the ABI.
	set(CMAKE_CXX_VERBOSE_FLAG -v)
	return()
endif()
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX ${CMAKE_CURRENT_LIST_FILE})

if(NOT ECHO2_ARCH MATCHES "^(arm64|x86_64)$")
	message(FATAL_ERROR "ECHO2_ARCH is \"${ECHO2_ARCH}\"; it must be arm64 or x86_64")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ECHO2_ARCH)

set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR ${ECHO2_ARCH})
string(REPLACE arm64 aarch64 target ${ECHO2_ARCH}-macos)
find_program(ZIG zig REQUIRED)
set(CMAKE_CXX_COMPILER ${ZIG} c++ -target ${target})
