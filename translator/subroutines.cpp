#include "translator.h"

namespace tavolux {

// Not built yet: its statements stay for the later steps.
void Translator::ResolveSubsAndCalls() {}
void Translator::TranslateSubBlock(int, int) {}

}  // namespace tavolux
