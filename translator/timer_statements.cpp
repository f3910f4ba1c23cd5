// The timer and interrupt statements: the timer's clock source, edge and
// prescaler, switching the three interrupt sources on and off, the timer
// reload value, and the ON ... INTERRUPT CALL handlers.
//
// A handler produces no code in place: it appends its entry to the interrupt
// dispatcher (ArrayINT) and sets the flags from which the writer builds the
// interrupt vector, the context save and the enables at start-up.
//
// A source's flag is raised by its event whether the source is enabled or
// not: every statement that enables a source clears its flag first, so that
// an event that came while it was off does not run the handler.
#include <optional>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

// The statements that always become the same lines.
struct FixedStatement {
    const char* statement;
    std::vector<const char*> lines;
};

// OPTION bit 4 (T0SE) clear counts the rising edges of RA4/T0CKI, set the
// falling ones; OPTION bit 6 (INTEDG) set interrupts on the rising edge of RB0.
const FixedStatement kFixedStatements[] = {
    {"SET TIMER OFF", {"BCF Reg_Intcon , Bit_5"}},
    {"SET TIMER EDGE UP",
     {"BSF Reg_Status , Bit_5", "BCF Reg_Option , Bit_4", "BCF Reg_Status2, Bit_5"}},
    {"SET TIMER EDGE DOWN",
     {"BSF Reg_Status , Bit_5", "BSF Reg_Option , Bit_4", "BCF Reg_Status2, Bit_5"}},
    {"SET EXTERNAL INTERRUPT EDGE UP",
     {"BSF Reg_Status , Bit_5", "BSF Reg_Option , Bit_6", "BCF Reg_Status2, Bit_5"}},
    {"SET EXTERNAL INTERRUPT EDGE DOWN",
     {"BSF Reg_Status , Bit_5", "BCF Reg_Option , Bit_6", "BCF Reg_Status2, Bit_5"}},
    {"SET EXTERNAL INTERRUPT OFF", {"BCF Reg_Intcon , Bit_4"}},
    {"SET LINE INTERRUPT OFF", {"BCF Reg_Intcon , Bit_3"}},
};

// The three handler statements and the dispatcher entry each one appends.
// A source's number is its place in TimerSurvey::handlers.
using Source = InterruptSource;

struct HandlerStatement {
    const char* prefix;
    Source source;
};

constexpr HandlerStatement kHandlers[] = {
    {"ON TIMER INTERRUPT CALL ", Source::kTimer},
    {"ON EXTERNAL INTERRUPT CALL ", Source::kExternal},
    {"ON LINE INTERRUPT CALL ", Source::kLine},
};

// The statements that switch a source on.
struct SwitchOn {
    const char* statement;
    Source source;
};

constexpr SwitchOn kSwitchesOn[] = {
    {"SET TIMER ON", Source::kTimer},
    {"SET EXTERNAL INTERRUPT ON", Source::kExternal},
    {"SET LINE INTERRUPT ON", Source::kLine},
};

bool& SourceFlag(RunState& s, Source source) {
    switch (source) {
        case Source::kTimer:
            return s.Flag_IntTimer;
        case Source::kExternal:
            return s.Flag_IntExternal;
        case Source::kLine:
            break;
    }
    return s.Flag_IntLine;
}

const char* HandlerPrefix(Source source) {
    for (const HandlerStatement& handler : kHandlers) {
        if (handler.source == source) return handler.prefix;
    }
    return "";
}

// An entry runs its handler only when its source's flag and its source's
// enable bit are both set: a flag raised while the source is switched off
// must not run the handler when another source interrupts. Either test
// failing skips to the first line after the entry. The handler is free to
// switch its own source off; the entry does not switch it back on.
std::vector<std::string> DispatcherEntry(Source source, const std::string& sub,
                                         const std::string& endLabel) {
    const std::string i = "        ";
    switch (source) {
        case Source::kTimer:
            // The reload line "MOVLW 0" is patched by the writer.
            return {i + "BTFSS Reg_Intcon , Bit_2",
                    i + "GOTO $+8",
                    i + "BTFSS Reg_Intcon , Bit_5",
                    i + "GOTO $+6",
                    i + "CALL " + sub,
                    i + "MOVLW 0",
                    i + "MOVWF Reg_Tmr0",
                    i + "BCF Reg_Intcon , Bit_2",
                    i + "GOTO " + endLabel};
        case Source::kExternal:
            return {i + "BTFSS Reg_Intcon , Bit_1",
                    i + "GOTO $+6",
                    i + "BTFSS Reg_Intcon , Bit_4",
                    i + "GOTO $+4",
                    i + "CALL " + sub,
                    i + "BCF Reg_Intcon , Bit_1",
                    i + "GOTO " + endLabel};
        case Source::kLine:
            // Reading port B ends the mismatch before the flag is cleared.
            return {i + "BTFSS Reg_Intcon , Bit_0",
                    i + "GOTO $+7",
                    i + "BTFSS Reg_Intcon , Bit_3",
                    i + "GOTO $+5",
                    i + "CALL " + sub,
                    i + "MOVF Reg_PortB , W",
                    i + "BCF Reg_Intcon , Bit_0",
                    i + "GOTO " + endLabel};
    }
    return {};
}

// A whole number written with decimal digits only.
std::optional<int> DigitsValue(const std::string& t) {
    if (t.empty() || t.size() > 4) return std::nullopt;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    return std::stoi(t);
}

constexpr const char* kRateStatement = "SET TIMER RATE TO ";

// The exponent R of SET TIMER RATE TO r: the prescaler's rate is 1:2 to the
// power R, and R = 0 leaves the timer without it. Nothing for any other r.
std::optional<int> RateExponent(const std::string& r) {
    static const char* const kRatios[] = {"1/2",  "1/4",  "1/8",   "1/16",
                                          "1/32", "1/64", "1/128", "1/256"};
    for (int n = 0; n < 8; ++n) {
        if (r == kRatios[n]) return n + 1;
    }
    const std::optional<int> rate = DigitsValue(r);
    if (!rate || *rate > 8) return std::nullopt;
    return rate;
}

}  // namespace

std::vector<std::string> Translator::SwitchOnLines(InterruptSource source) {
    switch (source) {
        case InterruptSource::kTimer:
            return {"BCF Reg_Intcon , Bit_2", "BSF Reg_Intcon , Bit_5"};
        case InterruptSource::kExternal:
            return {"BCF Reg_Intcon , Bit_1", "BSF Reg_Intcon , Bit_4"};
        case InterruptSource::kLine:
            break;
    }
    return {"MOVF Reg_PortB , W", "BCF Reg_Intcon , Bit_0", "BSF Reg_Intcon , Bit_3"};
}

void Translator::TranslateTimerStatement(int k) {
    const std::string statement = Line(k);

    // The handlers and the prescaler's owners, read once: this is the
    // first timer or interrupt statement, so the others stand as written.
    if (!S.Timers) {
        TimerSurvey survey;
        for (int j = 1; j <= NoInput(); ++j) {
            const std::string& line = Line(j);
            for (const HandlerStatement& handler : kHandlers) {
                if (StartsWith(line, handler.prefix)) {
                    survey.handlers[static_cast<size_t>(handler.source)] = true;
                }
            }
            if (!StartsWith(line, kRateStatement)) continue;
            const std::optional<int> rate = RateExponent(Mid(line, 19));
            if (!rate) continue;
            (*rate == 0 ? survey.prescalerWithWatchdog : survey.prescalerWithTimer) = true;
            if (*rate == 1 || *rate == 2) survey.lowWatchdogRate = true;
        }
        // At reset the watchdog holds the prescaler; with a timer handler
        // the start-up gives it to the timer.
        if (survey.handlers[static_cast<size_t>(Source::kTimer)]) {
            survey.prescalerWithTimer = true;
        } else {
            survey.prescalerWithWatchdog = true;
        }
        S.Timers = survey;
    }
    const TimerSurvey& survey = *S.Timers;
    const auto hasHandler = [&survey](Source source) {
        return survey.handlers[static_cast<size_t>(source)];
    };
    const auto hasTimerHandler = [&hasHandler]() { return hasHandler(Source::kTimer); };
    // The timer interrupt switched back on after a change of the timer's set-up.
    const std::vector<std::string> timerBackOn = SwitchOnLines(Source::kTimer);

    // SET INIT TIMER TO x: the value the timer restarts from after each overflow.
    if (StartsWith(statement, "SET INIT TIMER TO")) {
        S.NoInitTimer = (S.NoInitTimer + 1) & 0xFF;
        if (S.NoInitTimer >= 2) {
            ReportError("L'istruzione 'Init Timer' deve essere unica.");
            return;
        }
        const std::string x = Trim(Mid(statement, 18));
        if (IsNumber(x)) {
            const auto value = text::ToIntInRange(text::Val(x), 0, 255);
            if (!value) {
                ReportError("Valore di inizializzazione timer non ammesso: " + statement);
                return;
            }
            S.InitTimerValue = *value;
            S.InitTimerVar.clear();
            Line(k).clear();
        } else if (IsVariable(x)) {
            S.InitTimerValue = 0;
            S.InitTimerVar = x;
            Line(k).clear();
        } else {
            ReportError("Variabile non definita: " + statement);
        }
        return;
    }

    // ON ... INTERRUPT CALL s: an entry of the dispatcher.
    for (const HandlerStatement& handler : kHandlers) {
        if (!StartsWith(statement, handler.prefix)) continue;
        const std::string sub =
            Trim(Mid(statement, static_cast<int>(std::string(handler.prefix).size()) + 1));
        S.Flag_Interrupt = true;
        SourceFlag(S, handler.source) = true;
        if (S.LabelEndINT.empty()) S.LabelEndINT = NewLabel();
        // An entry is written whole or not at all: its relative skips count
        // on its last line.
        const std::vector<std::string> entry = DispatcherEntry(handler.source, sub, S.LabelEndINT);
        if (S.NoINT() + static_cast<int>(entry.size()) > kMaxInt) {
            ReportTableFull("righe di gestione degli interrupt", kMaxInt);
            return;
        }
        for (const std::string& line : entry) {
            if (!AddIntLine(line)) return;
        }
        Line(k).clear();
        // Only the exact label of a subroutine: "M" for SUB M, "M1" for SUB M(A).
        if (!IsSubName(sub)) ReportError("Subroutine non definita");
        return;
    }

    // SET TIMER RATE TO r: the prescaler, 1:2 to the power R, or none for R = 0.
    if (StartsWith(statement, kRateStatement)) {
        const std::string r = Mid(statement, 19);
        const std::optional<int> rate = RateExponent(r);
        if (!rate) {
            // Anything but a ratio or a whole number from 0 to 8 stays
            // untranslated and is reported at the end as an unresolved
            // statement; a ratio that is no power of two is refused.
            if (text::Contains(r, "/")) ReportError("Impossibiler impostare in Prescaler");
            return;
        }
        // The timer interrupt is switched off while the prescaler changes,
        // and back on only when there is a handler for it: with no timer
        // entry in the dispatcher its flag would never be cleared. Moving the
        // prescaler between the watchdog and the timer can reset the chip
        // unless the watchdog is cleared first: where it may change owner
        // (from either owner it may have here), it is.
        std::vector<std::string> lines = {"BCF Reg_Intcon , Bit_5"};
        if (*rate > 0) {
            lines.insert(lines.end(), {"BCF Reg_Status , Bit_6", "BSF Reg_Status , Bit_5"});
            // From the watchdog to the timer: the watchdog cleared first.
            if (survey.prescalerWithWatchdog) lines.push_back("CLRWDT");
            lines.push_back("BCF Reg_Option , Bit_3");
            const int bits = *rate - 1;
            for (int b = 0; b < 3; ++b) {
                lines.push_back(std::string((bits >> b) & 1 ? "BSF" : "BCF") +
                                " Reg_Option , Bit_" + text::Str(b));
            }
            lines.push_back("BCF Reg_Status , Bit_6");
        } else if (!survey.prescalerWithTimer) {
            lines.insert(lines.end(), {"BSF Reg_Status , Bit_5", "BSF Reg_Option , Bit_3"});
        } else {
            // From the timer to the watchdog: the watchdog and the prescaler
            // (with TMR0) cleared first. The watchdog keeps the rate the
            // timer had; where that may be 1:1 or 1:2, the prescaler passes
            // through 1:128 with one more clear of the watchdog, and W holds
            // the bits that give the rate back.
            lines.insert(lines.end(), {"CLRWDT", "CLRF Reg_Tmr0", "BSF Reg_Status , Bit_5"});
            if (survey.lowWatchdogRate) {
                lines.insert(lines.end(), {"MOVF Reg_Option , W", "ANDLW 0x07", "XORLW 0x07",
                                           "BSF Reg_Option , Bit_0", "BSF Reg_Option , Bit_1",
                                           "BSF Reg_Option , Bit_2", "BSF Reg_Option , Bit_3",
                                           "CLRWDT", "XORWF Reg_Option , F"});
            } else {
                lines.push_back("BSF Reg_Option , Bit_3");
            }
        }
        lines.insert(lines.end(), {"BCF Reg_Status2, Bit_5", "CLRF Reg_Tmr0"});
        if (hasTimerHandler()) lines.insert(lines.end(), timerBackOn.begin(), timerBackOn.end());
        ReplaceWithInstructions(k, lines);
        return;
    }

    // SET INTERNAL CLOCK and SET EXTERNAL CLOCK: OPTION bit 5 (T0CS).
    if (statement == "SET INTERNAL CLOCK" || statement == "SET EXTERNAL CLOCK") {
        std::vector<std::string> lines = {
            "BCF Reg_Intcon , Bit_5", "BSF Reg_Status , Bit_5",
            statement == "SET INTERNAL CLOCK" ? "BCF Reg_Option , Bit_5" : "BSF Reg_Option , Bit_5",
            "BCF Reg_Status2, Bit_5"};
        if (hasTimerHandler()) lines.insert(lines.end(), timerBackOn.begin(), timerBackOn.end());
        ReplaceWithInstructions(k, lines);
        return;
    }

    // Switching a source on: only with a handler for it, since with no entry
    // in the dispatcher its flag would never be cleared and the chip would
    // enter the interrupt again and again.
    for (const SwitchOn& on : kSwitchesOn) {
        if (statement != on.statement) continue;
        if (!hasHandler(on.source)) {
            ReportError(std::string("Nessuna routine per questo interrupt: manca ") +
                        Trim(HandlerPrefix(on.source)));
            return;
        }
        ReplaceWithInstructions(k, SwitchOnLines(on.source));
        return;
    }

    for (const FixedStatement& fixed : kFixedStatements) {
        if (statement != fixed.statement) continue;
        ReplaceWithInstructions(k,
                                std::vector<std::string>(fixed.lines.begin(), fixed.lines.end()));
        return;
    }
}

}  // namespace tavolux
