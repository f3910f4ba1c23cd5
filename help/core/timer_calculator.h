// The timer-interrupt calculator: how often the timer of the PIC16F84A
// raises its interrupt, and the time between two interrupts, from the
// crystal frequency, the prescaler divisor and the TMR0 start value.
#pragma once

#include <string>
#include <string_view>

namespace tavolux::help {

struct TimerInputs {
    std::string frequency;  // crystal, MHz
    std::string prescaler;  // divisor, 0 to 256
    std::string tmr0;       // start value, 0 to 255
};

enum class TimerOutcome {
    Computed,  // results and units given
    Invalid,   // an input is empty, negative or out of range: the error label
    Failed,    // the arithmetic cannot be done: inputs emptied and a message
};

struct TimerResult {
    TimerOutcome outcome = TimerOutcome::Invalid;
    TimerInputs stored;  // the inputs without surrounding blanks, kept for the next time
    // The result boxes; their empty design text " " when nothing was computed.
    std::string frequency = " ";
    std::string period = " ";
    // The units beside them; "" leaves them as they are.
    std::string frequencyUnit;
    std::string periodUnit;
    std::string failure;  // the message shown when Failed
};

inline constexpr char kTimerInvalidInputs[] =
    "ERRORE: VI SONO CAMPI VUOTI, NEGATIVI OPPURE NON DEFINITI O ERRATI.";
inline constexpr char kMicroSeconds[] = "\xC2\xB5-sec";  // "µ-sec"

// One computation. The frequency is crystal / 4 / prescaler / (256 - TMR0)
// in hertz, shown in Hz, KHz or MHz with the period in m-sec or µ-sec.
TimerResult ComputeTimerInterrupt(const TimerInputs& typed);

}  // namespace tavolux::help
