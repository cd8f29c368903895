#include "pgminc/VarCout.h"

#include <iomanip>
#include <iostream>
#include <ostream>

namespace {

// Returns false when there is no rule to write.
bool WriteRule(std::ostream& out, const char chr, const int n) {
  if (n <= 0) return false;
  out.fill(chr);
  out << std::setw(n) << chr;
  out.fill(' ');
  return true;
}

}  // namespace

void PrintChar(const char chr, const int n, const int nblank) {
  // An empty text in a field of `nblank` characters: the indent is made of the
  // stream's current fill, as callers that set a fill of their own expect.
  if (nblank > 0) std::cout << std::setw(nblank) << "";
  if (WriteRule(std::cout, chr, n)) std::cout << std::endl;
}

void PrintCharNoEndl(const char chr, const int n) { WriteRule(std::cout, chr, n); }

void PrintChar(const char chr, const int n, std::ostream& out) {
  if (WriteRule(out, chr, n)) out << std::endl;
}

void PrintCharNoEndl(const char chr, const int n, std::ostream& out) {
  WriteRule(out, chr, n);
}
