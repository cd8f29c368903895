# What both MinGW-w64 toolchain files share; each sets CMAKE_SYSTEM_PROCESSOR
# and ROSBA_MINGW_PREFIX (the compiler's target triple) and includes this.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: the flavour of the runtime that Debian installs with
# g++-mingw-w64-<architecture>-posix.
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
