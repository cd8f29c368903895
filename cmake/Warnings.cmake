# Every target of the project links rosba_warnings to get the same warning set.
add_library(rosba_warnings INTERFACE)
if(MSVC)
  target_compile_options(rosba_warnings INTERFACE /W4 $<$<BOOL:${ROSBA_WERROR}>:/WX>)
else()
  target_compile_options(rosba_warnings INTERFACE -Wall -Wextra -Wpedantic
                         $<$<BOOL:${ROSBA_WERROR}>:-Werror>)
endif()
