# Cross-compiles Rosba.exe, a 32-bit Windows (x86) console program, with
# MinGW-w64 (Debian package g++-mingw-w64-i686-posix). A 32-bit program runs on
# 32-bit and 64-bit Windows alike:
#
#   cmake -S . -B build-windows32 -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
#
# The program is linked statically, so it needs no DLL of the compiler beside it:
# only the DLLs that every Windows has (KERNEL32.dll, msvcrt.dll). Its long
# double is the x87's 80-bit one, as in the other builds.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(ROSBA_MINGW_PREFIX i686-w64-mingw32)
# The posix thread model: the flavour of the runtime that Debian installs with
# g++-mingw-w64-i686-posix.
set(CMAKE_C_COMPILER ${ROSBA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROSBA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ROSBA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ROSBA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread go into the executable itself; no time stamp
# goes into its header, so that two builds of one source are the same file.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
