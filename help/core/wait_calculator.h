// The WAIT calculator: the pause of "WAIT Np" and "WAIT Np,Ns" at a PIC
// clock frequency, and the counts that make a wanted tone with two such
// delays per period.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolux::help {

// Instruction cycles of the delay the translator writes for "WAIT np" (np
// NOPs for 1 to 5, a counting loop of 4 np + 1 cycles from 6 on) and for
// "WAIT np, ns" (4 np (ns + 1) + 1 cycles); nothing for counts the
// translator refuses (outside 1 to 255).
std::optional<long> WaitCycles(int np);
std::optional<long> WaitCycles(int np, int ns);

// The text of a pause panel's result box, in microseconds, from the texts of
// its boxes (the frequency in MHz, the counts); "" when the frequency is not
// above 0 or a count does not round to 1 to 255.
std::string WaitPauseText(std::string_view mhz, std::string_view np);
std::string WaitPauseText(std::string_view mhz, std::string_view np, std::string_view ns);

// The texts of the tone panel's input boxes.
struct ToneBoxes {
    std::string wanted;   // Hz
    std::string crystal;  // MHz
    std::string np;
    std::string ns;
};

// A count box that a solve writes: its text and whether it turns red (a
// solved 0, or a count that no byte could hold, so the one in the box was
// kept).
struct ToneCount {
    std::string text;
    bool red = false;
};

// What a solve changes in the tone panel.
struct ToneUpdate {
    std::optional<ToneCount> np, ns;
    std::string generated;    // Hz, cut to one decimal; "" when nothing can be computed
    std::string error;        // percent, cut to two decimals; ""  likewise
    bool resultsRed = false;  // an error above 100 %, or a kept count
    std::optional<int> npScroll, nsScroll;  // the scroll bars follow a count other than 0
};

// The tone panel's solves. The generated frequency is 1 / (2 d) for a delay
// d of 4 np (ns + 1) + 1 cycles (two counts) or 4 (np + 1) cycles (one
// count). It remembers which count the last two-count solve started from,
// so a change of a frequency solves the same way again.
class ToneSolver {
  public:
    // The Np box changed (or the form was switched): in the two-count form Ns
    // is solved from Np, in the one-count form Np from the frequencies.
    ToneUpdate SolveFromNp(const ToneBoxes& boxes, bool oneCount);
    // The Ns box changed in the two-count form: Np is solved from Ns.
    ToneUpdate SolveFromNs(const ToneBoxes& boxes);
    // The wanted or the crystal frequency changed; nothing when no solve has
    // run yet in the two-count form.
    std::optional<ToneUpdate> FrequencyChanged(const ToneBoxes& boxes, bool oneCount);

    enum class Start { None, FromNs, FromNp };
    Start LastStart() const { return start_; }

  private:
    Start start_ = Start::None;
};

}  // namespace tavolux::help
