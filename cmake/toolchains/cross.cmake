# The toolchain of the cross preset: Debian's cross compiler for ECHO2_ARCH,
# one of the architectures in the file beside this one, and qemu-user to run
# what it builds.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/architectures architectures
	REGEX "^[a-z]")
foreach(line IN LISTS architectures)
	string(REGEX MATCHALL "[^ ]+" fields "${line}")
	list(GET fields 0 arch)
	list(APPEND names ${arch})
	if(arch STREQUAL "${ECHO2_ARCH}")
		list(GET fields 1 triplet)
		list(GET fields 2 qemu)
	endif()
endforeach()
if(NOT triplet)
	list(JOIN names ", " names)
	message(FATAL_ERROR "ECHO2_ARCH is \"${ECHO2_ARCH}\"; it must be one of ${names}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ECHO2_ARCH)

set(CMAKE_SYSTEM_NAME Linux)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR ${triplet})
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu} -L /usr/${triplet})
