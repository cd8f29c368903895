# The Debian package, made by CPack from the install rules of the Linux release
# build (see scripts/package, which also zips each Windows build's installed
# files). It is the same byte for byte at every build of one commit:
# scripts/package sets SOURCE_DATE_EPOCH, the time of that commit, which CPack
# gives every file of the package, and CPack sorts the package's files.
if(WIN32)
  return()  # scripts/package zips the installed files of a Windows build
endif()

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
set(ROSBA_MAINTAINER "The Rosba authors <maintainers@users.noreply.c-seed-332e4e43.example>"
    CACHE STRING "The maintainer named by the Debian package")

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
include(CPack)
