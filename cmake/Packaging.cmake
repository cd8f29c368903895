# Packages made by CPack from the install rules (see scripts/package): a Debian
# package from the Linux release build, a .zip of Rosba.exe, the README and the
# licence from each Windows build. Each is the same byte for byte at every build
# of one commit: scripts/package sets SOURCE_DATE_EPOCH, the time of that commit,
# which CPack gives every file of a package.
set(CPACK_PACKAGE_NAME rosba)
set(CPACK_PACKAGE_VENDOR "The Rosba authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "correct GLONASS broadcast ephemeris files (RINEX 2 navigation messages)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Rosba writes a corrected copy of a GLONASS navigation message file in the\n"
       "RINEX 2 format: the ephemeris records whose epoch seconds are not zero,\n"
       "copies of regular records stamped with another time, are left out, and\n"
       "everything else is copied unchanged, with CR LF line ends.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(ROSBA_MAINTAINER "The Rosba authors <maintainers@users.noreply.c-seed-332e4e43.example>"
    CACHE STRING "The maintainer named by the Debian package")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_PACKAGE_FILE_NAME Rosba-${PROJECT_VERSION}-win32)
  else()
    set(CPACK_PACKAGE_FILE_NAME Rosba-${PROJECT_VERSION}-win64)
  endif()
else()
  set(CPACK_GENERATOR DEB)
  # One package of the tool and the documents that only the package holds
  # (docs/CMakeLists.txt).
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL Unspecified debian)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  # A native package: the project packages itself, so its version is the
  # program's and its changelog is docs/debian/changelog, as changelog.gz.
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROSBA_MAINTAINER}")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  # The C and C++ libraries that the program was linked with, as dpkg-shlibdeps
  # finds them (Debian package dpkg-dev).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
