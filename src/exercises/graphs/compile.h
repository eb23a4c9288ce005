#pragma once
// Turns a postfix token list into the compact program that valueAt runs.

#include "formula.h"

namespace graphs {

// Fails (returns false) for a list whose operators would reach below the
// bottom of the value stack; every other list that the reader accepts compiles.
bool compile(const std::vector<Token>& postfix, QChar variable, CompiledFormula& out);

} // namespace graphs
