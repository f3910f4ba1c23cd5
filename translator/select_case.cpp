#include "translator.h"

namespace tavolux {

// Not built yet: its statements stay for the later steps.
void Translator::ExpandSelectCase() {}

}  // namespace tavolux
