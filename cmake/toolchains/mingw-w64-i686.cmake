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
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ROSBA_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
