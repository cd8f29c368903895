# Packages made by CPack from the install rules: a Debian package from a Linux
# build, a .zip of Rosba.exe, the README and the licence from a Windows build.
# scripts/package makes both.
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

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME Rosba-${PROJECT_VERSION}-win64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Rosba authors")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  # The C and C++ libraries that the program was linked with, as dpkg-shlibdeps
  # finds them (Debian package dpkg-dev).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
