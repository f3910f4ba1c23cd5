#include "translator.h"

namespace tavolux {

// Not built yet: the statement stays, and the last check reports it.
void Translator::TranslateTimerStatement(int) {}

}  // namespace tavolux
