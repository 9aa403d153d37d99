# include(cmake/build-flags.cmake): the INTERFACE target echo2_build, how
# every program of this project is compiled and linked: echo2, the suite's
# helpers (what it must know of the C library, and the preload that models
# bionic's getc) and the empty program that the benchmark sets beside
# echo2. Each flag is checked before it is used, ECHO2_HARDEN's too.
set(CMAKE_CXX_EXTENSIONS OFF)

add_library(echo2_build INTERFACE)
target_compile_features(echo2_build INTERFACE cxx_std_17)
# fstat fails on a file past 2 GiB without this, on the 32-bit
# architectures of the GNU C library.
target_compile_definitions(echo2_build INTERFACE _FILE_OFFSET_BITS=64)
target_compile_options(echo2_build INTERFACE
	-Wall -Wextra -Wpedantic -Wconversion -Wshadow)
# With ECHO2_MAP_PATHS, as the presets build, the same source gives the
# same bytes wherever it is built: no directory of the build is written
# into the debug information, at the link too, where link-time optimisation
# writes it. A distribution's build maps paths, or finds the sources where
# they were built, in its own way.
if(ECHO2_MAP_PATHS)
	set(map_paths -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
		-ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
	target_compile_options(echo2_build INTERFACE ${map_paths})
	target_link_options(echo2_build INTERFACE ${map_paths})
endif()
set_target_properties(echo2_build PROPERTIES
	INTERFACE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

# Each linker flag only where the linker takes it: Apple's takes none of
# these, and only a PE linker takes --no-insert-timestamp (which keeps the
# time of the build out of echo2.exe) and the last three. echo2 uses
# nothing of the C++ runtime: without --as-needed, a toolchain that does
# not drop unused libraries maps libstdc++ at every start.
include(CheckLinkerFlag)
set(linker_flags --as-needed --no-insert-timestamp)
if(ECHO2_HARDEN)
	list(APPEND linker_flags -z,relro -z,now
		--dynamicbase --high-entropy-va --nxcompat)
endif()
foreach(flag IN LISTS linker_flags)
	string(MAKE_C_IDENTIFIER "ECHO2_HAVE_LINKER${flag}" have)
	check_linker_flag(CXX LINKER:${flag} ${have})
	if(${have})
		target_link_options(echo2_build INTERFACE LINKER:${flag})
	endif()
endforeach()

if(ECHO2_HARDEN)
	include(CheckCXXCompilerFlag)
	include(CheckCXXSourceCompiles)
	# The stack protector needs its runtime at the link, which mingw-w64
	# before version 11 has only in GCC's libssp: linked statically, so
	# that echo2.exe needs no DLL of GCC's. The flag is for the compiler
	# only, as the build passes it, lest the driver link libssp itself.
	set(CMAKE_REQUIRED_DEFINITIONS -Werror -fstack-protector-strong)
	set(protected "int f(char *s) { return *s; }
int main() { char s[64] = {}; return f(s); }")
	check_cxx_source_compiles("${protected}" ECHO2_HAVE_STACK_PROTECTOR)
	if(NOT ECHO2_HAVE_STACK_PROTECTOR)
		set(CMAKE_REQUIRED_LIBRARIES -l:libssp.a)
		check_cxx_source_compiles("${protected}" ECHO2_HAVE_LIBSSP)
		unset(CMAKE_REQUIRED_LIBRARIES)
	endif()
	unset(CMAKE_REQUIRED_DEFINITIONS)
	if(ECHO2_HAVE_STACK_PROTECTOR OR ECHO2_HAVE_LIBSSP)
		target_compile_options(echo2_build INTERFACE -fstack-protector-strong)
	endif()
	if(ECHO2_HAVE_LIBSSP)
		target_link_libraries(echo2_build INTERFACE -l:libssp.a)
	endif()
	# The others only where the compiler takes them: -fcf-protection is for
	# x86 only, -mbranch-protection for arm64 only, and clang only warns of
	# a flag that is not for its target.
	set(CMAKE_REQUIRED_FLAGS -Werror)
	foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection
			-mbranch-protection=standard)
		string(MAKE_C_IDENTIFIER "ECHO2_HAVE${flag}" have)
		check_cxx_compiler_flag(${flag} ${have})
		if(${have})
			target_compile_options(echo2_build INTERFACE ${flag})
		endif()
	endforeach()
	unset(CMAKE_REQUIRED_FLAGS)
	# Fortified functions need optimisation, and would stand in the
	# sanitizers' way. A level that the builder or the compiler sets is
	# kept; where none is, level 3, of which the C library takes what it
	# supports (musl none).
	string(JOIN " " CMAKE_REQUIRED_FLAGS -O2 ${CMAKE_CXX_FLAGS_RELEASE}
		${CMAKE_CXX_FLAGS_RELWITHDEBINFO} ${CMAKE_CXX_FLAGS_MINSIZEREL})
	check_cxx_source_compiles("#ifndef _FORTIFY_SOURCE
#error no level
#endif
int main() {}" ECHO2_FORTIFY_SET)
	unset(CMAKE_REQUIRED_FLAGS)
	if(NOT ECHO2_SANITIZE AND NOT ECHO2_FORTIFY_SET)
		set(optimised
			$<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>)
		target_compile_options(echo2_build INTERFACE
			$<${optimised}:-D_FORTIFY_SOURCE=3>)
	endif()
endif()

if(ECHO2_SANITIZE)
	set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all)
	target_compile_options(echo2_build INTERFACE
		${sanitize} -fno-omit-frame-pointer)
	target_link_options(echo2_build INTERFACE ${sanitize})
endif()
