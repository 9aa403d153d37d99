# The toolchain of the musl preset: clang for x86_64-linux-musl, with
# Debian's musl-dev, libc++'s headers and no C++ runtime linked. What it
# builds runs here, through /lib/ld-musl-x86_64.so.1.
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET x86_64-linux-musl)
set(CMAKE_CXX_FLAGS_INIT "-nostdlibinc -isystem /usr/include/c++/v1 -isystem /usr/include/x86_64-linux-musl")
# clang warns at the link that it did not use -nostdlibinc there.
foreach(kind IN ITEMS EXE SHARED MODULE)
	set(CMAKE_${kind}_LINKER_FLAGS_INIT "-B/usr/lib/x86_64-linux-musl -L/lib/x86_64-linux-musl -nostdlib++ -rtlib=compiler-rt -unwindlib=none -Wno-unused-command-line-argument")
endforeach()
