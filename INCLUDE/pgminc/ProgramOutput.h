#ifndef ROSBA_PGMINC_PROGRAMOUTPUT_H
#define ROSBA_PGMINC_PROGRAMOUTPUT_H

// Fixed-layout console decorations: a title block, sub-titles, table label
// lines and a one-line report on standard error. Indents are `nblak` blanks
// (none when `nblak` <= 0); every rule that goes with a text is exactly as long
// as the text. Texts are written unchanged and must be valid zero-terminated
// texts. Line ends are flushed.

// The program's identity texts, empty unless the program fills them in. Each
// must end within its array.
namespace POut {
extern char ProgramName[128];
extern char ProgramDescription[128];
extern char Author[64];
extern char ValidationDate[64];
extern char Release[64];
}  // namespace POut

// The title block on standard output, 110 characters wide, framed above and
// below by a rule of underscores and a rule of asterisks, then two empty lines:
//
//             PROGRAM:            <ProgramName, 35 left>      <ProgramDescription, 45 right>
//             COPYRIGHT:          <Author, 35 left>               <ValidationDate, 45 right>
//             RELEASE:            <Release, 35 left>        DATE: 2024-01-07  09:05:03 (right)
//
// with the current local date and time. A text longer than its field is
// written whole and moves the rest of its row right. Leaves standard output in
// fixed notation, right-aligned, with a blank fill.
void ProgramTitle();

// On standard output; each leaves the fill of standard output a blank when it
// has written an indent or a rule, and never changes its alignment.
//
//   ProgramSubTitle         indent, 110 '='; indent, subtitle; indent, 110 '='; empty line
//   ProgramSubSubTitle      indent, subtitle; indent, '=' rule; empty line
//   ProgramSubSubTitleOver  indent, '=' rule; indent, subtitle; indent, '=' rule; empty line
//   ProgramSubSubSubTitle   indent, subtitle; indent, '-' rule; empty line
//   TableLabelLine          [indent,] subtitle; [indent,] '-' rule
//
// A rule of an empty subtitle is nothing, not even its line end: the indent
// after it then stays on the line of whatever follows.
void ProgramSubTitle(const char* subtitle, const int nblak);
void ProgramSubSubTitle(const char* subtitle, const int nblak);
void ProgramSubSubTitleOver(const char* subtitle, const int nblak);
void ProgramSubSubSubTitle(const char* subtitle, const int nblak);
void TableLabelLine(const char* subtitle);
void TableLabelLine(const char* subtitle, const int nblak);

// One line on standard error: `pgm` left-aligned in 10 characters (a longer one
// whole), `dlm` twice, `fun`, `dlm`, `prt`. Leaves standard error right-aligned.
void ProgramCerrPrint(const char* pgm, const char* fun, const char* prt, const char dlm);

#endif
