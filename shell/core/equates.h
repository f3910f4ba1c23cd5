// The equates text "PIC16F84.DEF" that every generated program includes:
// register addresses, bit numbers and status flags.
#pragma once

#include <string>

namespace tavolux::shell {

// The 48 lines, each ended by CR LF.
std::string BuildEquatesText();

}  // namespace tavolux::shell
