# Cross-compiles Rosba.exe, a Windows x86-64 console program, with MinGW-w64
# (Debian package g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
#
# The program is linked statically, so it needs no DLL of the compiler beside it:
# only the DLLs that every Windows has (KERNEL32.dll, msvcrt.dll).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROSBA_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: the flavour of the runtime that Debian installs with
# g++-mingw-w64-x86-64-posix.
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
