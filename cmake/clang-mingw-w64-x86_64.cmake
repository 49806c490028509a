# Cross build for 64-bit Windows with Debian's clang and lld, against the MinGW-w64 headers and import libraries and
# the libstdc++ of Debian's -posix MinGW GCC. Shows that the code builds with a second compiler.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_SYSROOT /usr/${triple})
# The binutils tools: llvm-dlltool cannot write the delay-loading import libraries.
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_DLLTOOL ${triple}-dlltool)

# Clang does not recognise Debian's GCC folder name ("12-posix"), so the C++ library's folders are named here.
file(GLOB gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix)
list(SORT gcc_dirs COMPARE NATURAL)
list(POP_BACK gcc_dirs gcc_dir)
if(NOT gcc_dir)
    message(FATAL_ERROR "no /usr/lib/gcc/${triple}/*-posix: install g++-mingw-w64-x86-64")
endif()
# GCC builds that library for MinGW with type_info comparisons out of line; clang would inline them and then clash
# with the library's own definition at link time.
string(JOIN " " CMAKE_CXX_FLAGS_INIT -nostdinc++ -isystem ${gcc_dir}/include/c++
       -isystem ${gcc_dir}/include/c++/${triple} -isystem ${gcc_dir}/include/c++/backward
       -D__GXX_TYPEINFO_EQUALITY_INLINE=0)
# The C++ include flags above reach the link step too, where clang would warn that they go unused.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -Wno-unused-command-line-argument")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")
# The posix thread model's libstdc++ needs winpthreads, which GCC's driver adds by itself and clang's does not.
set(CMAKE_CXX_STANDARD_LIBRARIES "-Wl,-Bstatic -lpthread")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
