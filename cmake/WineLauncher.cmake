# Running the Windows build on Linux: a launcher script beside the build that
# runs the executable under Wine with a Wine prefix of the build's own, so that
# nothing of a user's Wine set-up is used or changed. A 64-bit program needs
# Wine's 64-bit half (Debian package wine64), a 32-bit one its 32-bit half
# (wine32:i386).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(_rosba_wine_bits 32)
else()
  set(_rosba_wine_bits 64)
endif()
find_program(ROSBA_WINE NAMES wine${_rosba_wine_bits} wine HINTS /usr/lib/wine
             DOC "The Wine loader that runs the Windows build")
find_program(ROSBA_WINESERVER NAMES wineserver${_rosba_wine_bits} wineserver HINTS /usr/lib/wine
             DOC "The Wine server of the Wine loader")

# Writes ${CMAKE_BINARY_DIR}/<target>-wine for an executable target.
function(rosba_add_wine_launcher target)
  if(NOT ROSBA_WINE OR NOT ROSBA_WINESERVER)
    message(STATUS "Wine not found: no launcher for ${target}")
    return()
  endif()
  set(ROSBA_TARGET ${target})
  set(ROSBA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/rosba-wine.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}-wine.in @ONLY)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/${target}-wine
       INPUT ${CMAKE_CURRENT_BINARY_DIR}/${target}-wine.in
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE)
endfunction()
