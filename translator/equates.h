// The equates text "PIC16F84.DEF" that every generated program includes:
// register addresses, bit numbers and status flags. The same table gives
// the text and the symbols it defines, which no variable or label of a
// program may take.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolux {

// The 48 lines, each ended by CR LF.
std::string BuildEquatesText();

// Every symbol the equates text defines, in its order. Case matters for them.
std::vector<std::string_view> EquateSymbols();

// The symbol of the equates text that `name` is in some letter case
// ("REG_STATUS" and "reg_status" give "Reg_Status"); empty when none is.
std::string_view EquateSpelling(std::string_view name);

}  // namespace tavolux
