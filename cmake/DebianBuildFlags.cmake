# The Linux release build of the Debian package is hardened as Debian builds its
# own packages: with the preprocessor, compiler and linker flags that
# dpkg-buildflags gives (Debian package dpkg-dev), taken in the source folder,
# so that its -ffile-prefix-map keeps the build's folder out of the program.
option(ROSBA_DEBIAN_BUILDFLAGS "Build with the flags of dpkg-buildflags" OFF)
if(ROSBA_DEBIAN_BUILDFLAGS)
  find_program(ROSBA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  set(_rosba_flags)
  foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${ROSBA_DPKG_BUILDFLAGS} --get ${_kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE _rosba_${_kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(_rosba_${_kind} UNIX_COMMAND "${_rosba_${_kind}}")
  endforeach()
  # After the build type's flags on the command line, so these decide.
  add_compile_options(${_rosba_CPPFLAGS} ${_rosba_CXXFLAGS})
  add_link_options(${_rosba_LDFLAGS})
  message(STATUS "dpkg-buildflags: ${_rosba_CPPFLAGS} ${_rosba_CXXFLAGS} ${_rosba_LDFLAGS}")
endif()
