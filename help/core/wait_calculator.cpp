#include "wait_calculator.h"

#include <cmath>

#include "number_text.h"

namespace tavolux::help {

namespace {

bool IsCount(int n) {
    return n >= 1 && n <= 255;
}

// Microseconds of `cycles` instruction cycles (four clock periods each) at
// `mhz`; "" when the frequency gives none.
std::string PauseText(long cycles, std::string_view mhz) {
    const double frequency = ReadTypedNumber(mhz);
    if (!(frequency > 0)) return "";
    return NumberTextOrEmpty(static_cast<double>(cycles) * 4 / frequency);
}

struct Generator {
    double wanted;  // Hz
    double cycle;   // seconds per instruction cycle
    // The half period in cycles that gives the wanted frequency.
    double HalfPeriod() const { return 1 / (2 * wanted * cycle); }
    double Frequency(double delayCycles) const { return 1 / (2 * delayCycles * cycle); }
};

std::optional<Generator> ReadGenerator(const ToneBoxes& boxes) {
    const double wanted = ReadTypedNumber(boxes.wanted);
    const double crystal = ReadTypedNumber(boxes.crystal) * 1000000;
    if (!(wanted > 0) || !(crystal > 0) || !std::isfinite(wanted) || !std::isfinite(crystal)) {
        return std::nullopt;
    }
    const double cycle = 4 / crystal;
    if (!(cycle > 0) || !std::isfinite(cycle)) return std::nullopt;
    return Generator{wanted, cycle};
}

// Int(x) as a byte; nothing when it does not fit one.
std::optional<int> SolvedByte(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const double whole = std::floor(x);
    if (whole < 0 || whole > 255) return std::nullopt;
    return static_cast<int>(whole);
}

// The results for the frequency `g` that the counts give.
void SetResults(ToneUpdate& u, const Generator& gen, double g, bool countKept) {
    u.generated = NumberTextOrEmpty(std::floor(g * 10) / 10);
    const double e = std::floor((g - gen.wanted) / gen.wanted * 10000) / 100;
    u.error = NumberTextOrEmpty(e);
    u.resultsRed = countKept || !(std::fabs(e) <= 100);
}

// A solved count, or the one in its box when the solve gives none that a
// byte holds.
struct Count {
    std::optional<int> value;
    bool kept = false;
};

Count SolvedOrKept(std::optional<int> solved, std::string_view box) {
    if (solved) return {solved, false};
    return {ReadWaitCount(box), true};
}

ToneCount CountBox(const Count& c, std::string_view box) {
    if (!c.value) return {std::string(box), true};
    return {NumberText(*c.value), c.kept || *c.value == 0};
}

std::optional<int> ScrollTo(const Count& c) {
    if (c.value && *c.value != 0) return c.value;
    return std::nullopt;
}

}  // namespace

std::optional<long> WaitCycles(int np) {
    if (!IsCount(np)) return std::nullopt;
    return np <= 5 ? np : 4L * np + 1;
}

std::optional<long> WaitCycles(int np, int ns) {
    if (!IsCount(np) || !IsCount(ns)) return std::nullopt;
    return 4L * np * (ns + 1) + 1;
}

std::string WaitPauseText(std::string_view mhz, std::string_view np) {
    const auto n = ReadWaitCount(np);
    if (!n) return "";
    return PauseText(*WaitCycles(*n), mhz);
}

std::string WaitPauseText(std::string_view mhz, std::string_view np, std::string_view ns) {
    const auto a = ReadWaitCount(np), b = ReadWaitCount(ns);
    if (!a || !b) return "";
    return PauseText(*WaitCycles(*a, *b), mhz);
}

ToneUpdate ToneSolver::SolveFromNp(const ToneBoxes& boxes, bool oneCount) {
    ToneUpdate u;
    const auto gen = ReadGenerator(boxes);
    if (!gen || !(ReadTypedNumber(boxes.np) > 0)) return u;

    if (oneCount) {
        const Count np = SolvedOrKept(SolvedByte((gen->HalfPeriod() - 1) / 4), boxes.np);
        u.np = CountBox(np, boxes.np);
        if (!np.value) return u;
        SetResults(u, *gen, gen->Frequency(4.0 * (*np.value + 1)), np.kept);
        u.npScroll = ScrollTo(np);
        return u;
    }

    const auto np = ReadWaitCount(boxes.np);
    if (!np) return u;
    const Count ns = SolvedOrKept(SolvedByte((gen->HalfPeriod() - 1) / (4.0 * *np) - 1), boxes.ns);
    u.ns = CountBox(ns, boxes.ns);
    start_ = Start::FromNp;
    if (!ns.value) return u;
    SetResults(u, *gen, gen->Frequency(4.0 * *np * (*ns.value + 1) + 1), ns.kept);
    u.nsScroll = ScrollTo(ns);
    return u;
}

ToneUpdate ToneSolver::SolveFromNs(const ToneBoxes& boxes) {
    ToneUpdate u;
    const auto gen = ReadGenerator(boxes);
    const auto ns = ReadWaitCount(boxes.ns);
    if (!gen || !ns) return u;
    const Count np =
        SolvedOrKept(SolvedByte((gen->HalfPeriod() - 1) / (4.0 * (*ns + 1))), boxes.np);
    u.np = CountBox(np, boxes.np);
    start_ = Start::FromNs;
    if (!np.value) return u;
    SetResults(u, *gen, gen->Frequency(4.0 * *np.value * (*ns + 1) + 1), np.kept);
    u.npScroll = ScrollTo(np);
    return u;
}

std::optional<ToneUpdate> ToneSolver::FrequencyChanged(const ToneBoxes& boxes, bool oneCount) {
    if (!ReadGenerator(boxes)) return ToneUpdate{};
    if (oneCount) return SolveFromNp(boxes, true);
    switch (start_) {
        case Start::FromNs:
            return SolveFromNs(boxes);
        case Start::FromNp:
            return SolveFromNp(boxes, false);
        case Start::None:
            break;
    }
    return std::nullopt;
}

}  // namespace tavolux::help
