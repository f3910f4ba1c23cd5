// What an interrupt handler may change under the code it interrupts.
//
// The interrupt entry keeps W, STATUS and the scratch bytes in any case.
// Beyond them, the handlers' code may write bytes that the interrupted code
// holds from one instruction to the next: the translator's temporaries (the
// reusable "W#D" ones, the "W#" argument copies, the divide routine's work
// bytes), PCLATH (set by the DATA lookup for its computed jump), EEADR and
// EEDATA (the EEPROM routines), FSR. The analysis follows the code from each
// handler's label, through the subroutines and library routines it calls,
// and collects what those lines write; it follows the main program the same
// way and collects what its lines use. The entry must save what both sides
// name. The user's own variables are not among them: a handler shares them
// with the program on purpose.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolux {

// A byte of RAM as the writer lays it out.
struct RamByte {
    std::string name;
    int address = 0;
    int size = 1;
};

// The code of a program as the chip holds it, one assembly line each ("A>"
// marks are allowed): the program lines first, where the main program starts,
// then, from line `routinesFrom` on, the library routines and the DATA table.
// A computed jump (a write to PCL) among the routines is the DATA lookup's,
// which lands on the table after it; one among the program lines is inline
// assembly, which may land anywhere. `handlers` are the labels the interrupt
// dispatcher calls; `ram` the variable table with its addresses. The
// analysis reads the lines in place: they must outlive the call.
// Gives the names to save, in a fixed order: the translator's bytes in table
// order, then "Reg_Pclath", "Reg_Fsr", "Reg_Eeadr", "Reg_Eedata".
std::vector<std::string> InterruptSharedBytes(const std::vector<std::string_view>& code,
                                              size_t routinesFrom,
                                              const std::vector<std::string>& handlers,
                                              const std::vector<RamByte>& ram);

}  // namespace tavolux
