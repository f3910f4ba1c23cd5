// FOR ... NEXT loops. A loop whose bounds and step fit one byte becomes a
// fixed assembly template; any other loop becomes BASIC assignments and IF
// blocks around assembly lines that step the variable and leave the loop
// when the step carries (counting up) or borrows (counting down) out of the
// byte, so that a bound of 0 or 255 ends the loop instead of wrapping it.
// Either way the body runs at least once.
#include <optional>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::BeginsWithWord;
using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

constexpr const char* kBadLoop = "Controllare l'istruzione FOR...NEXT";

// A numeric bound must name a byte value.
bool IsByteValue(double value) {
    return value >= 0 && value <= 255;
}

// The lines that repeat the loop while the variable has not passed the end.
// Against the constant 0 the comparisons of the IF blocks read the byte as
// signed, so that end is written as the unsigned test it stands for.
std::vector<std::string> RepeatTest(const std::string& variable, const std::string& end, bool up,
                                    const std::string& head, bool endIsZero) {
    const std::string jump = Instruction("GOTO " + head);
    if (endIsZero) {
        if (!up) return {jump};  // every byte is >= 0: only the borrow ends the loop
        return {"IF " + variable + " = 0 THEN", jump, "END IF"};
    }
    return {"IF " + variable + (up ? " <= " : " >= ") + end + " THEN", jump, "END IF"};
}

// Adds W to the variable; leaves the loop when the sum carries out of the
// byte (counting up) or when it does not (counting down: W holds the step's
// two's complement, and no carry means the variable went below 0).
std::vector<std::string> StepAndExit(const std::string& load, const std::string& variable, bool up,
                                     const std::string& exit) {
    return {Instruction(load), Instruction("ADDWF " + variable + " , F"),
            Instruction(up ? "BTFSC Reg_Status , Flag_C" : "BTFSS Reg_Status , Flag_C"),
            Instruction("GOTO " + exit)};
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace

void Translator::TranslateForNext(int forLine, int nextLine) {
    const std::string statement = Line(forLine);
    const std::string closing = Line(nextLine);
    S.CurrentStatement = statement;

    const int equals = InStr(statement, "=");
    if (equals == 0) {
        ReportError("Controllare il ciclo For...Next, manca il segno di uguale");
        return;
    }
    const std::string variable = text::RTrim(Mid(statement, 5, equals - 5));
    if (variable != text::LTrim(Mid(closing, 5))) {
        Refuse(closing, "Controllare l'istruzione di chiusura del ciclo For...Next");
        return;
    }
    if (!IsVariable(variable)) {
        Refuse(variable, "Variabile non definita");
        return;
    }
    const int to = InStr(statement, " TO ", equals + 1);
    if (to == 0) {
        ReportError("Controllare il ciclo For...Next, manca il 'TO'");
        return;
    }
    const std::string start = Trim(Mid(statement, equals + 1, to - equals - 1));
    const std::string bounds = Mid(statement, to + 4);
    const int stepAt = InStr(bounds, " STEP ");
    const std::string end = Trim(stepAt == 0 ? bounds : Mid(bounds, 1, stepAt - 1));
    const std::string step = stepAt == 0
                                 ? std::string("1")
                                 : Trim(text::ReplaceFirst(Mid(bounds, stepAt + 6), "+", " "));

    const bool startNumber = IsNumber(start);
    const bool endNumber = IsNumber(end);
    const bool stepNumber = IsNumber(step);
    const double startValue = startNumber ? NumberValue(start) : 0;
    const double endValue = endNumber ? NumberValue(end) : 0;
    // A bound outside the byte would be cut to its low byte, and a step of
    // more than a byte would add only its low byte: refuse both.
    std::optional<int16_t> stepValue;
    if (stepNumber) stepValue = text::ToInt16(NumberValue(step));
    if ((startNumber && !IsByteValue(startValue)) || (endNumber && !IsByteValue(endValue)) ||
        (stepNumber && (!stepValue || *stepValue > 255 || *stepValue < -255))) {
        ReportError(kBadLoop);
        return;
    }
    const bool startVariable = !startNumber && IsVariable(start);
    const bool endVariable = !endNumber && IsVariable(end);
    const int st = stepValue.value_or(0);
    const bool upStep = st >= 1 && st <= 127;
    const bool downStep = st >= -126 && st <= -1;

    // Which template, if any: counting up or down.
    enum class Form { kUp, kDown, kIfBased };
    Form form = Form::kIfBased;
    if (startNumber && endNumber && stepNumber) {
        if (startValue < endValue && startValue >= 0 && upStep) {
            form = Form::kUp;
        } else if (startValue > endValue && endValue >= 0 && downStep) {
            form = Form::kDown;
        } else {
            ReportError(kBadLoop);
            return;
        }
    } else if (startVariable && endNumber && stepNumber) {
        if (endValue >= 0 && (upStep || downStep)) {
            form = upStep ? Form::kUp : Form::kDown;
        } else {
            ReportError(kBadLoop);
            return;
        }
    } else if (endVariable && startNumber && stepNumber) {
        if (startValue >= 0 && (upStep || downStep)) form = upStep ? Form::kUp : Form::kDown;
    }
    if (form == Form::kIfBased && !stepNumber && !IsVariable(step)) {
        ReportError(kBadLoop);
        return;
    }
    const auto immediate = [](const std::string& number) {
        return FormatHexLiteral(text::ToInt16(NumberValue(number)).value_or(0));
    };

    int bodyEnd = 0;  // the last line of the loop that a BREAK may stand before
    std::string exit;
    if (form != Form::kIfBased) {
        const bool up = form == Form::kUp;
        const std::string head = NewLabel();
        exit = NewLabel();
        if (!InsertLines(forLine, 2)) return;
        Line(forLine) =
            Instruction(startNumber ? "MOVLW " + immediate(start) : "MOVF " + start + " , W");
        Line(forLine + 1) = Instruction("MOVWF " + variable);
        Line(forLine + 2) = "A>" + head + ":";
        const int next = nextLine + 2;
        std::vector<std::string> lines = {
            Instruction("MOVLW " + FormatHexLiteral(st)),
            Instruction("ADDWF " + variable + " , F"),
            Instruction(up ? (startNumber && endNumber ? "BTFSC Reg_Status , Flag_C  ;Overflow?"
                                                       : "BTFSC Reg_Status , Flag_C")
                           : "BTFSS Reg_Status , Flag_C"),
            Instruction("GOTO " + exit),
            Instruction(endNumber ? "MOVLW " + immediate(end) : "MOVF " + end + " , W"),
            Instruction("SUBWF " + variable + " , W"),
            Instruction("BTFSC Reg_Status , Flag_Z"),
            Instruction("GOTO " + head),
            Instruction(up ? "BTFSS Reg_Status , Flag_C" : "BTFSC Reg_Status , Flag_C"),
            Instruction("GOTO " + head),
            "A>" + exit + ":"};
        if (!ReplaceLine(next, lines)) return;
        bodyEnd = next;
    } else {
        const std::string head = NewLabel();
        // A numeric step of 0 never leaves by a carry: its exit exists only
        // for a BREAK.
        const bool zeroStep = stepNumber && st == 0;
        if (!zeroStep) exit = NewLabel();
        const bool endIsZero = endNumber && endValue == 0;
        std::vector<std::string> lines;
        if (zeroStep) {
            lines = {variable + " = " + variable + " + " + step,
                     "IF " + variable + " >= " + end + " THEN", Instruction("GOTO " + head),
                     "END IF"};
        } else if (stepNumber) {
            const bool up = st > 0;
            lines = StepAndExit("MOVLW " + FormatHexLiteral(st), variable, up, exit);
            Append(lines, RepeatTest(variable, end, up, head, endIsZero));
        } else {
            // The sign of a variable step is known only on the chip.
            const std::string load = "MOVF " + step + " , W";
            lines = {"IF " + step + " >0 THEN"};
            Append(lines, StepAndExit(load, variable, true, exit));
            Append(lines, RepeatTest(variable, end, true, head, endIsZero));
            lines.push_back("ELSE");
            Append(lines, StepAndExit(load, variable, false, exit));
            Append(lines, RepeatTest(variable, end, false, head, endIsZero));
            lines.push_back("END IF");
        }
        if (!zeroStep) lines.push_back("A>" + exit + ":");

        if (!InsertLines(forLine, 1)) return;
        Line(forLine) = variable + " = " + start;
        Line(forLine + 1) = "A>" + head + ":";
        const int next = nextLine + 1;
        if (!ReplaceLine(next, lines)) return;
        bodyEnd = next + static_cast<int>(lines.size()) - 1;
    }

    // BREAK lines of the body leave this loop, except those inside a DO
    // loop of the body, which belong to it.
    int nesting = 0;
    for (int k = forLine; k <= bodyEnd; ++k) {
        const std::string& line = Line(k);
        if (BeginsWithWord(line, "DO")) {
            ++nesting;
        } else if (BeginsWithWord(line, "LOOP")) {
            --nesting;
        } else if (line == "BREAK" && nesting == 0) {
            if (exit.empty()) {
                exit = NewLabel();
                if (!InsertLines(bodyEnd + 1, 1)) return;
                Line(bodyEnd + 1) = "A>" + exit + ":";
            }
            Line(k) = Instruction("GOTO " + exit);
        }
    }
}

// Each FOR line with its NEXT line. A bare NEXT never pairs: it is reported
// as a NEXT that no FOR claimed.
bool Translator::PairForLoops() {
    static constexpr BlockMarkers kForNext = {
        .opening = {StartsWith, "FOR "},
        .closing = {StartsWith, "NEXT "},
        .unclaimed = {BeginsWithWord, "NEXT"},
        .unclaimedMessage = "Struttura FOR...NEXT non bilanciata.",
        .unclosedMessage = "Struttura FOR...NEXT non bilanciata",
    };
    return PairBlocks(kForNext, [this](int forLine, int nextLine, int /*elseLine*/) {
        TranslateForNext(forLine, nextLine);
    });
}

}  // namespace tavolux
