// Until the WAIT calculator is part of the program, its item shows only the
// WAIT topic.
#include "help_windows.h"

namespace tavolux::help {

void ShowWaitCalculator() {}

}  // namespace tavolux::help
