#include "timer_calculator.h"

#include <cmath>
#include <limits>

#include "basic_text.h"
#include "number_text.h"

namespace tavolux::help {

namespace {

const char kDivisionByZero[] = "Divisione per zero";
const char kOverflow[] = "Overflow: valore troppo grande";

// Checked arithmetic: false, with the reason, when the step cannot be done.
class Checked {
  public:
    bool Times(double a, double b, double* out) { return Finite(a * b, out); }
    bool Over(double a, double b, double* out) {
        if (b == 0) {
            failure = kDivisionByZero;
            return false;
        }
        return Finite(a / b, out);
    }
    std::string failure;

  private:
    bool Finite(double value, double* out) {
        if (!std::isfinite(value)) {
            failure = kOverflow;
            return false;
        }
        *out = value;
        return true;
    }
};

bool OutOfRange(const std::string& text, double lowest, double highest) {
    if (text.empty()) return true;
    const double value = ReadTypedNumber(text);
    return value < lowest || value > highest;
}

}  // namespace

TimerResult ComputeTimerInterrupt(const TimerInputs& typed) {
    TimerResult r;
    r.stored = {text::Trim(typed.frequency), text::Trim(typed.prescaler), text::Trim(typed.tmr0)};
    const TimerInputs& in = r.stored;
    if (OutOfRange(in.frequency, 0, std::numeric_limits<double>::infinity()) ||
        OutOfRange(in.prescaler, 0, 256) || OutOfRange(in.tmr0, 0, 255)) {
        r.outcome = TimerOutcome::Invalid;
        return r;
    }

    Checked c;
    double f = 0, t = 0;
    std::string frequencyUnit, periodUnit;
    bool ok = c.Times(ReadTypedNumber(in.frequency), 1000000, &f) && c.Over(f, 4, &f) &&
              c.Over(f, ReadTypedNumber(in.prescaler), &f) &&
              c.Over(f, 256 - ReadTypedNumber(in.tmr0), &f);
    if (ok && f < 1000) {
        frequencyUnit = "Hz";
        periodUnit = "m-sec";
        ok = c.Over(1000, f, &t);
    } else if (ok && f < 1000000) {
        frequencyUnit = "KHz";
        periodUnit = kMicroSeconds;
        ok = c.Over(1000000, f, &t) && c.Over(f, 1000, &f);
    } else if (ok) {
        frequencyUnit = "MHz";
        periodUnit = kMicroSeconds;
        ok = c.Over(1000000, f, &t) && c.Over(f, 1000000, &f);
    }
    if (!ok) {
        r.outcome = TimerOutcome::Failed;
        r.failure = "Si \xC3\xA8 verificato il seguente errore:\r\n" + c.failure;
        return r;
    }
    r.outcome = TimerOutcome::Computed;
    r.frequency = NumberText(f);
    r.period = NumberText(t);
    r.frequencyUnit = frequencyUnit;
    r.periodUnit = periodUnit;
    return r;
}

}  // namespace tavolux::help
