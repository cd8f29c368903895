#include "platform/CommandLineWildcards.h"

#ifdef __MINGW32__
// Non-zero: the runtime's start-up code expands wildcards in the arguments.
int _dowildcard = -1;
#endif
