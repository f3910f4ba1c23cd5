// The timer and interrupt statements: the timer's clock source, edge and
// prescaler, switching the three interrupt sources on and off, the timer
// reload value, and the ON ... INTERRUPT CALL handlers.
//
// A handler produces no code in place: it appends its entry to the interrupt
// dispatcher (ArrayINT) and sets the flags from which the writer builds the
// interrupt vector, the context save and the enables at start-up.
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
    {"SET TIMER ON", {"BSF Reg_Intcon , Bit_5"}},
    {"SET TIMER OFF", {"BCF Reg_Intcon , Bit_5"}},
    {"SET TIMER EDGE UP",
     {"BSF Reg_Status , Bit_5", "BCF Reg_Option , Bit_4", "BCF Reg_Status2, Bit_5"}},
    {"SET TIMER EDGE DOWN",
     {"BSF Reg_Status , Bit_5", "BSF Reg_Option , Bit_4", "BCF Reg_Status2, Bit_5"}},
    {"SET EXTERNAL INTERRUPT EDGE UP",
     {"BSF Reg_Status , Bit_5", "BSF Reg_Option , Bit_6", "BCF Reg_Status2, Bit_5"}},
    {"SET EXTERNAL INTERRUPT EDGE DOWN",
     {"BSF Reg_Status , Bit_5", "BCF Reg_Option , Bit_6", "BCF Reg_Status2, Bit_5"}},
    {"SET EXTERNAL INTERRUPT ON", {"BSF Reg_Intcon , Bit_4"}},
    {"SET EXTERNAL INTERRUPT OFF", {"BCF Reg_Intcon , Bit_4"}},
    {"SET LINE INTERRUPT ON", {"BSF Reg_Intcon , Bit_3"}},
    {"SET LINE INTERRUPT OFF", {"BCF Reg_Intcon , Bit_3"}},
};

constexpr const char* kTimerEnable = "BSF Reg_Intcon , Bit_5";

// The three handler statements and the dispatcher entry each one appends.
enum class Source { kTimer, kExternal, kLine };

struct HandlerStatement {
    const char* prefix;
    Source source;
};

constexpr HandlerStatement kHandlers[] = {
    {"ON TIMER INTERRUPT CALL ", Source::kTimer},
    {"ON EXTERNAL INTERRUPT CALL ", Source::kExternal},
    {"ON LINE INTERRUPT CALL ", Source::kLine},
};

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

}  // namespace

void Translator::TranslateTimerStatement(int k) {
    const std::string statement = Line(k);

    // Whether the program has a timer handler, before or after this line.
    const auto hasTimerHandler = [this]() {
        if (S.Flag_IntTimer) return true;
        for (int j = 1; j <= NoInput(); ++j) {
            if (StartsWith(Line(j), "ON TIMER INTERRUPT CALL ")) return true;
        }
        return false;
    };

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
        switch (handler.source) {
            case Source::kTimer:
                S.Flag_IntTimer = true;
                break;
            case Source::kExternal:
                S.Flag_IntExternal = true;
                break;
            case Source::kLine:
                S.Flag_IntLine = true;
                break;
        }
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
    if (StartsWith(statement, "SET TIMER RATE TO ")) {
        static const char* const kRatios[] = {"1/2",  "1/4",  "1/8",   "1/16",
                                              "1/32", "1/64", "1/128", "1/256"};
        const std::string r = Mid(statement, 19);
        std::optional<int> rate;
        for (int n = 0; n < 8; ++n) {
            if (r == kRatios[n]) rate = n + 1;
        }
        if (!rate) {
            if (text::Contains(r, "/")) {
                ReportError("Impossibiler impostare in Prescaler");
                return;
            }
            // Anything but a whole number from 0 to 8 stays untranslated and
            // is reported at the end as an unresolved statement.
            rate = DigitsValue(r);
            if (!rate || *rate > 8) return;
        }
        // The timer interrupt is switched off while the prescaler changes,
        // and back on only when there is a handler for it: with no timer
        // entry in the dispatcher its flag would never be cleared.
        std::vector<std::string> lines;
        if (*rate > 0) {
            lines = {"BCF Reg_Intcon , Bit_5", "BCF Reg_Status , Bit_6", "BSF Reg_Status , Bit_5",
                     "BCF Reg_Option , Bit_3"};
            const int bits = *rate - 1;
            for (int b = 0; b < 3; ++b) {
                lines.push_back(std::string((bits >> b) & 1 ? "BSF" : "BCF") +
                                " Reg_Option , Bit_" + text::Str(b));
            }
            lines.push_back("BCF Reg_Status , Bit_6");
        } else {
            lines = {"BCF Reg_Intcon , Bit_5", "BSF Reg_Status , Bit_5", "BSF Reg_Option , Bit_3"};
        }
        lines.push_back("BCF Reg_Status2, Bit_5");
        if (hasTimerHandler()) lines.push_back(kTimerEnable);
        lines.push_back("CLRF Reg_Tmr0");
        ReplaceWithInstructions(k, lines);
        return;
    }

    // SET INTERNAL CLOCK and SET EXTERNAL CLOCK: OPTION bit 5 (T0CS).
    if (statement == "SET INTERNAL CLOCK" || statement == "SET EXTERNAL CLOCK") {
        std::vector<std::string> lines = {
            "BCF Reg_Intcon , Bit_5", "BSF Reg_Status , Bit_5",
            statement == "SET INTERNAL CLOCK" ? "BCF Reg_Option , Bit_5" : "BSF Reg_Option , Bit_5",
            "BCF Reg_Status2, Bit_5"};
        if (hasTimerHandler()) lines.push_back(kTimerEnable);
        ReplaceWithInstructions(k, lines);
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
