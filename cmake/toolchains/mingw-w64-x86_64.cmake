# Cross-compiles Rosba.exe, a Windows x86-64 console program, with MinGW-w64
# (Debian package g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
#
# The program is linked statically, so it needs no DLL of the compiler beside it:
# only the DLLs that every Windows has (KERNEL32.dll, msvcrt.dll).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ROSBA_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
