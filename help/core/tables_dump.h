// The text of the translator tables view: the variable table, the
// subroutine table and the program line store as the last translation left
// them, then the modified flag of the BASIC text.
#pragma once

#include <string>

#include "translator.h"

namespace tavolux::help {

// Lines ended by CR LF, in UTF-8; the text begins with an empty line.
std::string DumpTranslatorTables(const TranslatorState& state, int flagTestoModificato);

}  // namespace tavolux::help
