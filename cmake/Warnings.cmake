# Every target of the project links rosba_warnings to get the same warning set.
# GCC and Clang only: the library needs an 80-bit long double, which Microsoft's
# compiler does not have, so that compiler is out of scope.
add_library(rosba_warnings INTERFACE)
target_compile_options(rosba_warnings INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${ROSBA_WERROR}>:-Werror>)
