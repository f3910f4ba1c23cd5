// The label optimiser: the last pass over the finished assembly lines.
//
// Each label is written on the line of the instruction that follows it, a
// label at the very end gets a NOP, and labels left on a line of their own
// (another label follows them) are removed after the jumps that name them
// have been redirected to the label that carries the code, or straight to the
// target of the GOTO that the label leads to.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

bool IsLabelLine(const std::string& line) {
    return !line.empty() && line.back() == ':';
}

bool IsInstructionLine(const std::string& line) {
    return Mid(line, 3, 5) == "     ";
}

// Writes `instruction` on the line of a label, from column 9 when the label
// leaves room for it.
void PutAfterLabel(std::string& labelLine, std::string_view instruction) {
    if (labelLine.size() <= 9) {
        labelLine.resize(10, ' ');
    } else {
        labelLine += ' ';
    }
    labelLine += instruction;
}

// The label that a GOTO or CALL in `line` names, empty when there is none.
std::string JumpTarget(const std::string& line, std::string_view mnemonic) {
    const int at = InStr(line, mnemonic);
    if (at == 0) return {};
    std::string operand = text::LTrim(Mid(line, at + static_cast<int>(mnemonic.size())));
    const size_t end = operand.find_first_of(" ;");
    if (end != std::string::npos) operand.resize(end);
    return operand;
}

// A line of lone labels ends at a line with code; when that code is a GOTO to
// a label, jumps to the group's labels may go straight to that label. A
// relative jump ("GOTO $+3") counts from where it stands and cannot be moved.
std::string ThreadedGoto(const std::string& codeLine) {
    const std::string instruction = Trim(Mid(codeLine, InStr(codeLine, ":") + 1));
    if (!StartsWith(instruction, "GOTO ")) return {};
    if (StartsWith(Trim(Mid(instruction, 6)), "$")) return {};
    return instruction;
}

struct Redirects {
    // Jump text ("GOTO @1", "CALL PAUSA") to its replacement; the first rule
    // for a text wins.
    std::unordered_map<std::string, std::string> jumps;
    // The same rules between labels, to follow a replacement further.
    std::unordered_map<std::string, std::string> labels;
    std::unordered_set<std::string> lone;  // the labels on lines of their own
    int rules = 0;

    void Add(const std::string& label, const std::string& target) {
        jumps.emplace("GOTO " + label, "GOTO " + target);
        labels.emplace(label, target);
        ++rules;
        // A label of the user's may also be the name of a subroutine.
        if (!StartsWith(label, "@")) {
            jumps.emplace("CALL " + label, "CALL " + target);
            ++rules;
        }
    }

    // The replacement of a jump text, followed on while it names a lone label
    // that leads on, so that it ends at a label that carries code. The steps
    // are bounded, so a loop of labels ends too.
    bool Find(const std::string& jump, std::string& out) const {
        const auto it = jumps.find(jump);
        if (it == jumps.end()) return false;
        const std::string verb = Mid(it->second, 1, 5);  // "GOTO " or "CALL "
        std::string target = Mid(it->second, 6);
        for (int step = 0; step <= rules && lone.count(target) != 0; ++step) {
            const auto next = labels.find(target);
            if (next == labels.end()) break;
            target = next->second;
        }
        out = verb + target;
        return true;
    }
};

}  // namespace

void Translator::OptimizeLabels() {
    // 1. Each label onto the line of the instruction that follows it.
    for (int k = 1; k < NoInput(); ++k) {
        std::string& line = Line(k);
        if (!IsLabelLine(line) || !IsInstructionLine(Line(k + 1))) continue;
        PutAfterLabel(line, Trim(Mid(Line(k + 1), 3)));
        DeleteLine(k + 1);
    }

    // 2. A label at the very end marks a NOP.
    if (NoInput() > 0 && IsLabelLine(Line(NoInput()))) PutAfterLabel(Line(NoInput()), "NOP");

    // 3, 4. Groups of lone labels and the line with code that ends each.
    Redirects redirects;
    for (int k = 1; k < NoInput(); ++k) {
        if (!IsLabelLine(Line(k))) continue;
        std::vector<std::string> group;
        int j = k;
        for (; j <= NoInput() && IsLabelLine(Line(j)); ++j) {
            const std::string& label = Line(j);
            group.push_back(Mid(label, 3, static_cast<int>(label.size()) - 3));
            redirects.lone.insert(group.back());
        }
        k = j;
        if (j > NoInput()) break;
        const std::string& codeLine = Line(j);
        const std::string codeLabel = Mid(codeLine, 3, InStr(codeLine, ":") - 3);
        const std::string threaded = ThreadedGoto(codeLine);
        if (!threaded.empty()) {
            const std::string target = Trim(Mid(threaded, 6));
            for (const std::string& label : group) redirects.Add(label, target);
            redirects.Add(codeLabel, target);
        } else {
            for (const std::string& label : group) redirects.Add(label, codeLabel);
        }
    }
    if (redirects.lone.empty()) return;

    // 5, 6. Every jump to a label of a group is redirected.
    for (int k = 1; k <= NoInput(); ++k) {
        std::string& line = Line(k);
        const int p = InStr(line, " GOTO ") + InStr(line, " CALL ");
        if (p == 0) continue;
        std::string replacement;
        if (redirects.Find(Mid(line, p + 1), replacement)) {
            line = text::Left(line, p) + replacement;
        }
    }

    // 7. The lone labels go, except those that a jump still names: a jump
    // that could not be redirected, or a CALL of the interrupt dispatcher.
    std::unordered_set<std::string> named;
    const auto noteJumps = [&named](const std::string& line) {
        for (std::string_view mnemonic : {" GOTO ", " CALL "}) {
            std::string target = JumpTarget(line, mnemonic);
            if (!target.empty()) named.insert(std::move(target));
        }
    };
    for (int k = 1; k <= NoInput(); ++k) noteJumps(Line(k));
    for (const std::string& line : S.ArrayINT) noteJumps(line);
    for (int k = 1; k <= NoInput(); ++k) {
        std::string& line = Line(k);
        if (!IsLabelLine(line)) continue;
        if (named.count(Mid(line, 3, static_cast<int>(line.size()) - 3)) == 0) line.clear();
    }
}

}  // namespace tavolux
