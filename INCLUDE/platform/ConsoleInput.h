#ifndef ROSBA_PLATFORM_CONSOLEINPUT_H
#define ROSBA_PLATFORM_CONSOLEINPUT_H

#include <cstddef>

namespace platform {

// Reads one typed answer, a whole line of standard input, and consumes its line
// end. A CR directly before the LF is not part of the answer (a Windows console
// or a CR LF file sends one). At most size - 1 characters are stored, followed by
// a zero; the rest of a longer line is read and dropped, so nothing of it is left
// for the next read. Returns the length of the whole answer, which is size or more
// when it did not fit. Standard input at its end before an answer gives the empty
// answer. `size` must be at least 1.
std::size_t ReadAnswer(char* answer, std::size_t size);

// Discards what the input library holds buffered for standard input, then reads
// one character: on a console this waits until the user presses Enter; at the end
// of the input it returns at once.
void WaitForEnter();

}  // namespace platform

#endif
