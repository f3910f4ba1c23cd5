// SELECT CASE ... END SELECT blocks, rewritten into IF ... THEN / END IF
// blocks, GOTO statements and label lines for the later passes.
//
// Every case body ends with a jump to the block's exit label, so at most one
// case runs. Statements before the first CASE run whatever the value; CASE
// ELSE opens no test, so its statements run when no earlier case matched.
// A block inside a case body of another one is rewritten first.
#include <string>
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

constexpr const char* kSelectCase = "SELECT CASE ";
constexpr const char* kElseNotLast =
    "CASE ELSE deve essere l'ultimo caso del blocco SELECT CASE e pu\xF2 comparire una sola "
    "volta";

// The change of FOR and DO loop nesting a line brings: +1 for a loop's first
// line, -1 for its last.
int LoopNesting(const std::string& line) {
    if (StartsWith(line, "FOR ") || BeginsWithWord(line, "DO")) return 1;
    if (BeginsWithWord(line, "NEXT") || BeginsWithWord(line, "LOOP")) return -1;
    return 0;
}

// A numeric bound whose value is exactly 0: against 0 the IF test reads the
// byte as signed, which a range of unsigned values must not do.
bool IsZero(const std::string& bound) {
    return Translator::IsNumber(bound) && Translator::NumberValue(bound) == 0.0;
}

}  // namespace

void Translator::ExpandSelectCase() {
    for (int i = 1; i < NoInput(); ++i) {
        if (!StartsWith(Line(i), kSelectCase)) continue;
        if (!ExpandSelectBlock(i)) return;
    }
}

bool Translator::ExpandSelectBlock(int start) {
    S.CurrentStatement = Line(start);

    // The block ends at the first END SELECT; a block that starts on the way
    // is an inner one, rewritten first.
    int endLine = 0;
    for (int j = start + 1; j < NoInput(); ++j) {
        if (Line(j) == "END SELECT") {
            endLine = j;
            break;
        }
        if (StartsWith(Line(j), kSelectCase)) {
            if (!ExpandSelectBlock(j)) return false;
            S.CurrentStatement = Line(start);
        }
    }
    if (endLine == 0) {
        ReportError("Istruzione 'Select Case' non chiusa");
        return false;
    }

    const std::string exit = NewLabel();
    Line(endLine) = "A>" + exit + ":";
    const std::string variable = Mid(Line(start), 13);
    if (!IsVariable(variable)) {
        ReportError("Variabile non definita");
        return false;
    }
    Line(start).clear();

    int exitLine = endLine;
    bool ifOpen = false;
    bool rangeOpen = false;
    bool elseSeen = false;  // a CASE ELSE opens no test: nothing may follow it
    std::string skipLabel;  // waits to be placed in front of the next case
    int loops = 0;          // FOR and DO loops open around the current line

    // Writes `lines` in front of line j (which moves down behind them).
    const auto insertBefore = [&](int& j, const std::vector<std::string>& lines) {
        const int n = static_cast<int>(lines.size());
        if (!InsertLines(j, n)) return false;
        for (int m = 0; m < n; ++m) Line(j + m) = lines[static_cast<size_t>(m)];
        j += n;
        exitLine += n;
        return true;
    };
    // Replaces line j by `lines`; j is left on the last of them.
    const auto replace = [&](int& j, const std::vector<std::string>& lines) {
        const int extra = static_cast<int>(lines.size()) - 1;
        if (!ReplaceLine(j, lines)) return false;
        j += extra;
        exitLine += extra;
        return true;
    };

    for (int j = start + 1; j < exitLine; ++j) {
        const std::string line = Line(j);
        if (line == "BREAK") {
            // A BREAK inside a loop of the case body belongs to that loop.
            if (loops == 0) Line(j) = "GOTO " + exit;
            continue;
        }
        if (!StartsWith(line, "CASE ")) {
            loops += LoopNesting(line);
            if (loops < 0) loops = 0;
            continue;
        }
        // Its body runs for every value that reaches it: a case after it, or
        // a second CASE ELSE, would run after that body too.
        if (elseSeen) {
            Refuse(line, kElseNotLast);
            return false;
        }

        // Close the previous case.
        std::vector<std::string> closing;
        if (rangeOpen) closing.push_back("GOTO " + exit);
        if (ifOpen) {
            closing.push_back("GOTO " + exit);
            closing.push_back("END IF");
        }
        if (!skipLabel.empty()) {
            closing.push_back("A>" + skipLabel + ":");
            skipLabel.clear();
        }
        if (!insertBefore(j, closing)) return false;
        ifOpen = false;
        rangeOpen = false;
        loops = 0;

        std::vector<std::string> lines;
        const int to = InStr(line, " TO ");
        if (line == "CASE ELSE") {
            lines = {""};
            elseSeen = true;
        } else if (const int is = InStr(line, " IS "); is != 0) {
            lines = {"IF " + variable + Trim(Mid(line, is + 4)) + " THEN"};
            ifOpen = true;
        } else if (to != 0) {
            skipLabel = NewLabel();
            const std::string low = Trim(Mid(line, 6, to - 6));
            const std::string high = Trim(Mid(line, to + 4));
            // Below 0 and above 0 are signed tests: no byte lies below a low
            // bound of 0, and above a high bound of 0 means not 0.
            if (!IsZero(low)) {
                lines = {"IF " + variable + " < " + low + " THEN", "GOTO " + skipLabel, "END IF"};
            }
            const std::string above = IsZero(high) ? " <> 0 THEN" : " > " + high + " THEN";
            lines.insert(lines.end(), {"IF " + variable + above, "GOTO " + skipLabel, "END IF"});
            rangeOpen = true;
        } else if (!text::Contains(line, ",")) {
            lines = {"IF " + variable + " = " + Mid(line, 6) + " THEN"};
            ifOpen = true;
        } else {
            const std::string label = NewLabel();
            const std::string list = Trim(Mid(line, 6));
            size_t from = 0;
            for (;;) {
                const size_t comma = list.find(',', from);
                const std::string item = Trim(std::string_view(list).substr(
                    from, comma == std::string::npos ? std::string::npos : comma - from));
                lines.push_back("IF " + variable + " = " + item + " THEN");
                if (comma == std::string::npos) break;
                lines.push_back("GOTO " + label);
                lines.push_back("END IF");
                from = comma + 1;
            }
            lines.push_back("A>" + label + ":");
            ifOpen = true;
        }
        if (!replace(j, lines)) return false;
    }

    // Close the last case in front of the exit label.
    std::vector<std::string> closing;
    if (ifOpen) closing.push_back("END IF");
    if (!skipLabel.empty()) closing.push_back("A>" + skipLabel + ":");
    int at = exitLine;
    return insertBefore(at, closing);
}

}  // namespace tavolux
