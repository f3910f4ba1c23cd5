// The label optimiser on finished assembly lines.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "basic_text.h"
#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::TranslatorTestAccess;
using Lines = std::vector<std::string>;

std::string I(const std::string& instruction) {
    return "A>        " + instruction;
}

class LabelOptimiser : public ::testing::Test {
  protected:
    LabelOptimiser() : access_(translator_) { access_.ResetRun(); }

    Lines Optimise(const Lines& lines, const Lines& dispatcher = {}) {
        auto& state = access_.State();
        state.ArrayInput.Clear();
        for (const auto& line : lines) EXPECT_TRUE(state.ArrayInput.Append(line));
        state.ArrayINT = dispatcher;
        access_.OptimizeLabels();
        Lines out;
        for (int k = 1; k <= state.ArrayInput.size(); ++k) out.push_back(state.ArrayInput[k]);
        return out;
    }

    tavolux::Translator translator_;
    TranslatorTestAccess access_;
};

TEST_F(LabelOptimiser, LabelsGoOntoTheNextInstruction) {
    EXPECT_EQ(Optimise({"A>@1:", I("MOVLW 5")}), (Lines{"A>@1:     MOVLW 5"}));
    // Up to seven characters with the colon, the instruction starts in column
    // 9 of the output; a longer label gets one blank.
    EXPECT_EQ(
        Optimise({"A>ABCDEF:", I("NOP"), "A>ABCDEFG:", I("NOP"), "A>LAMPEGGIO:", I("MOVLW 5")}),
        (Lines{"A>ABCDEF: NOP", "A>ABCDEFG: NOP", "A>LAMPEGGIO: MOVLW 5"}));
    // Inline assembly with a label of its own on the line is left as it is.
    EXPECT_EQ(Optimise({"A>GIRO: INCF 0x22 , 1", I("GOTO GIRO")}),
              (Lines{"A>GIRO: INCF 0x22 , 1", I("GOTO GIRO")}));
}

TEST_F(LabelOptimiser, LabelAtTheEndMarksANop) {
    EXPECT_EQ(Optimise({I("MOVLW 5"), "A>@1:"}), (Lines{I("MOVLW 5"), "A>@1:     NOP"}));
    EXPECT_EQ(Optimise({I("MOVLW 5"), "A>FINE_PROG:"}), (Lines{I("MOVLW 5"), "A>FINE_PROG: NOP"}));
}

TEST_F(LabelOptimiser, LoneLabelsLeadingToAGotoGoStraightToItsTarget) {
    EXPECT_EQ(
        Optimise({I("GOTO @1"), I("GOTO @2"), "A>@1:", "A>@2:", I("GOTO @9"), "A>@9:", I("NOP")}),
        (Lines{I("GOTO @9"), I("GOTO @9"), "", "A>@2:     GOTO @9", "A>@9:     NOP"}));
}

TEST_F(LabelOptimiser, LoneLabelsLeadingToCodeNameItsLabel) {
    EXPECT_EQ(Optimise({I("GOTO @1"), "A>@1:", "A>@2:", I("NOP")}),
              (Lines{I("GOTO @2"), "", "A>@2:     NOP"}));
}

TEST_F(LabelOptimiser, UserLabelAloneIsRedirectedForGotoAndCall) {
    EXPECT_EQ(Optimise({I("CALL PAUSA"), I("GOTO PAUSA"), "A>PAUSA:", "A>@3:", I("NOP"),
                        "A>@4:     RETURN"}),
              (Lines{I("CALL @3"), I("GOTO @3"), "", "A>@3:     NOP", "A>@4:     RETURN"}));
}

TEST_F(LabelOptimiser, AGotoOutsideAGroupIsNotThreaded) {
    const Lines lines = {I("GOTO @5"), "A>@5:     GOTO @9", "A>@8:", "A>@9:", I("NOP")};
    EXPECT_EQ(Optimise(lines), (Lines{I("GOTO @5"), "A>@5:     GOTO @9", "", "A>@9:     NOP"}));
}

TEST_F(LabelOptimiser, ChainsOfLoneLabelsEndAtCode) {
    // @1 leads to a GOTO @4, and @4 is itself a lone label before @5.
    EXPECT_EQ(Optimise({I("GOTO @1"), "A>@1:", "A>@2:", I("GOTO @4"), "A>@3:", I("NOP"),
                        "A>@4:", "A>@5:", I("NOP")}),
              (Lines{I("GOTO @5"), "", "A>@2:     GOTO @5", "A>@3:     NOP", "", "A>@5:     NOP"}));
}

TEST_F(LabelOptimiser, LoopsOfLabelsKeepTheLabelTheyName) {
    EXPECT_EQ(Optimise({"A>INIZIO:", "A>ANCORA:", I("GOTO INIZIO")}),
              (Lines{"A>INIZIO:", "A>ANCORA: GOTO INIZIO"}));
    // Two groups whose GOTOs lead to each other.
    const Lines out =
        Optimise({I("GOTO L1"), "A>L1:", "A>L2:", I("GOTO L3"), "A>L3:", "A>L4:", I("GOTO L1")});
    std::set<std::string> defined;
    for (const auto& line : out) {
        const int colon = tavolux::text::InStr(line, ":");
        if (colon > 0) defined.insert(tavolux::text::Mid(line, 3, colon - 3));
    }
    for (const auto& line : out) {
        const int at = tavolux::text::InStr(line, "GOTO ");
        if (at > 0) {
            EXPECT_EQ(defined.count(tavolux::text::Mid(line, at + 5)), 1u) << line;
        }
    }
}

TEST_F(LabelOptimiser, LabelsTheDispatcherCallsStay) {
    // The subroutine's own label is alone before a loop label: the program's
    // CALL moves on, the dispatcher's CALL still needs the label.
    EXPECT_EQ(
        Optimise({I("CALL TICK0"), "A>TICK0:", "A>@2:", I("NOP"), I("RETURN")},
                 {"        BTFSS Reg_Intcon , Bit_2", "        GOTO $+7", "        CALL TICK0"}),
        (Lines{I("CALL @2"), "A>TICK0:", "A>@2:     NOP", I("RETURN")}));
}

TEST_F(LabelOptimiser, RelativeJumpsAreNotThreaded) {
    // "GOTO $+2" counts from where it stands: a jump to ETI must land on it.
    EXPECT_EQ(Optimise({I("GOTO ETI"), "A>ETI:", "A>@2:", I("GOTO $+2"), I("NOP"), I("NOP")}),
              (Lines{I("GOTO @2"), "", "A>@2:     GOTO $+2", I("NOP"), I("NOP")}));
}

// Where each jump finally lands: the first instruction that is not a GOTO,
// reached from the label through GOTOs; "loop" when the GOTOs never end.
struct Program {
    std::vector<std::string> instructions;  // in order
    std::map<std::string, size_t> labels;   // label -> index of its instruction
};

Program Parse(const Lines& lines) {
    Program p;
    std::vector<std::string> pending;
    for (const auto& line : lines) {
        if (line.empty()) continue;
        const std::string body = line.substr(2);
        std::string instruction;
        if (tavolux::text::StartsWith(body, "        ")) {
            instruction = tavolux::text::Trim(body);
        } else {
            const int colon = tavolux::text::InStr(body, ":");
            pending.push_back(tavolux::text::Left(body, colon - 1));
            instruction = tavolux::text::Trim(tavolux::text::Mid(body, colon + 1));
        }
        if (instruction.empty()) continue;
        for (const auto& label : pending) p.labels[label] = p.instructions.size();
        pending.clear();
        p.instructions.push_back(instruction);
    }
    return p;
}

std::string Landing(const Program& p, std::string label) {
    for (int step = 0; step < 100; ++step) {
        const auto it = p.labels.find(label);
        if (it == p.labels.end()) return "undefined " + label;
        const std::string& instruction = p.instructions[it->second];
        if (!tavolux::text::StartsWith(instruction, "GOTO ")) return instruction;
        label = instruction.substr(5);
    }
    return "loop";
}

TEST_F(LabelOptimiser, EveryJumpLandsWhereItDidBefore) {
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        const int labels = 2 + static_cast<int>(random() % 10);
        auto name = [](int n) { return (n % 3 == 0 ? "L" : "@") + std::to_string(n); };
        Lines lines;
        int code = 0;
        for (int n = 0; n < labels; ++n) {
            lines.push_back("A>" + name(n) + ":");
            const int after = static_cast<int>(random() % 3);  // 0: another label follows
            for (int i = 0; i < after; ++i) {
                lines.push_back(random() % 2
                                    ? I("GOTO " + name(static_cast<int>(random() % labels)))
                                    : I("MOVLW " + std::to_string(++code)));
            }
        }
        lines.push_back(I("MOVLW " + std::to_string(++code)));

        const Program before = Parse(lines);
        const Program after = Parse(Optimise(lines));
        ASSERT_EQ(after.instructions.size(), before.instructions.size());
        for (size_t i = 0; i < before.instructions.size(); ++i) {
            const std::string& was = before.instructions[i];
            if (!tavolux::text::StartsWith(was, "GOTO ")) {
                EXPECT_EQ(after.instructions[i], was);
                continue;
            }
            const std::string& now = after.instructions[i];
            ASSERT_TRUE(tavolux::text::StartsWith(now, "GOTO ")) << now;
            EXPECT_EQ(Landing(after, now.substr(5)), Landing(before, was.substr(5)))
                << "round " << round << ", instruction " << i;
        }
    }
}

}  // namespace
