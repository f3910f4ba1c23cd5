#include "translator.h"

namespace tavolux {

// Not built yet: its statements stay for the later steps.
void Translator::WriteDataTable() {}
void Translator::WriteLibraryRoutines() {}

}  // namespace tavolux
