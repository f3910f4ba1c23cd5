// DO ... LOOP loops: a head label, an exit label, jumps, and for a loop with
// a WHILE or UNTIL condition an IF block whose condition the IF pass
// translates. The condition stands on the DO line (tested before every pass)
// or on the LOOP line (tested after every pass), never on both.
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::BeginsWithWord;
using text::Mid;
using text::ReplaceFirst;
using text::StartsWith;

void Translator::TranslateDoLoop(int doLine, int loopLine) {
    // A negated condition is the other kind of condition; a double
    // negation cancels ("DO WHILE NOT NOT X" is "DO WHILE X").
    Line(doLine) = ReplaceFirst(Line(doLine), "WHILE NOT ", "UNTIL ");
    Line(doLine) = ReplaceFirst(Line(doLine), "UNTIL NOT ", "WHILE ");
    Line(loopLine) = ReplaceFirst(Line(loopLine), "WHILE NOT ", "UNTIL ");
    Line(loopLine) = ReplaceFirst(Line(loopLine), "UNTIL NOT ", "WHILE ");
    if (StartsWith(Line(doLine), "DO NOT ")) Line(doLine) = "DO UNTIL " + Mid(Line(doLine), 8);
    if (StartsWith(Line(loopLine), "LOOP NOT ")) {
        Line(loopLine) = "LOOP UNTIL " + Mid(Line(loopLine), 10);
    }

    const std::string opening = Line(doLine);
    const std::string closing = Line(loopLine);
    const std::string head = NewLabel();
    const std::string exit = NewLabel();
    const std::string headLine = "A>" + head + ":";
    const std::string exitLine = "A>" + exit + ":";
    const std::string repeat = Instruction("GOTO " + head);

    std::vector<std::string> atDo;
    std::vector<std::string> atLoop;
    if (opening == "DO") {
        atDo = {headLine};
        if (closing == "LOOP") {
            atLoop = {repeat, exitLine};
        } else if (StartsWith(closing, "LOOP WHILE ")) {
            atLoop = {"IF " + Mid(closing, 12) + " THEN", repeat, "END IF", exitLine};
        } else if (StartsWith(closing, "LOOP UNTIL ")) {
            atLoop = {"IF " + Mid(closing, 12) + " THEN", "BREAK", "END IF", repeat, exitLine};
        }
    } else if (closing == "LOOP") {
        if (StartsWith(opening, "DO WHILE ")) {
            atDo = {headLine, "IF " + Mid(opening, 10) + " THEN"};
            atLoop = {repeat, "END IF", exitLine};
        } else if (StartsWith(opening, "DO UNTIL ")) {
            atDo = {headLine, "IF " + Mid(opening, 10) + " THEN", Instruction("GOTO " + exit),
                    "END IF"};
            atLoop = {repeat, exitLine};
        }
    }

    int last = loopLine;  // the last line of the loop
    if (!atLoop.empty()) {
        const int extraDo = static_cast<int>(atDo.size()) - 1;
        if (!ReplaceLine(doLine, atDo)) return;
        const int at = loopLine + extraDo;
        if (!ReplaceLine(at, atLoop)) return;
        last = at + static_cast<int>(atLoop.size()) - 1;
    }

    // Loops inside were lowered first: every BREAK left in the range is ours.
    for (int k = doLine; k <= last; ++k) {
        if (Line(k) == "BREAK") Line(k) = Instruction("GOTO " + exit);
    }

    if (atLoop.empty()) Refuse(opening, "Impossibile risolvere il ciclo Do While...LOOP");
}

// Each DO line with its LOOP line ("DO" and "LOOP" as whole words).
bool Translator::PairDoLoops() {
    static constexpr BlockMarkers kDoLoop = {
        .opening = {BeginsWithWord, "DO"},
        .closing = {BeginsWithWord, "LOOP"},
        .unclaimed = {BeginsWithWord, "LOOP"},
        .unclaimedMessage = "Struttura Do While...Loop non bilanciata, LOOP senza il DO.",
        .unclosedMessage = "Struttura Do While....Loop non chiusa",
    };
    return PairBlocks(kDoLoop, [this](int doLine, int loopLine, int /*elseLine*/) {
        TranslateDoLoop(doLine, loopLine);
    });
}

}  // namespace tavolux
