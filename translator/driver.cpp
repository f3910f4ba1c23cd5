// The translation driver: one run, step by step. Each step is a call into
// the file that owns it (named beside the call); the steps work on the line
// store in place, each leaving simpler lines for the next, until only
// assembly lines are left for the writer.
#include <string>
#include <string_view>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::StartsWith;

Translator::Translator() {
    InitTranslator();
}

void Translator::InitTranslator() {
    S = TranslatorState{};
}

void Translator::ResetRun() {
    static_cast<RunState&>(S) = RunState{};
}

TranslationResult Translator::TranslateProgram(std::string_view basicText,
                                               std::string_view currentFile) {
    TranslationResult result;
    result.basicText = std::string(basicText);
    if (!text::EndsWith(result.basicText, "\r\n")) result.basicText += "\r\n";

    ResetRun();
    S.BasicText = text::Utf8ToCp1252(basicText);
    S.CurrentFile = text::Utf8ToCp1252(currentFile);

    const auto run = [this]() {
        // Source, declaration and structure passes, back to back, so that one
        // run can collect several reports. After an error the passes marked
        // "skipped" do nothing (each tests Flag_Error as it starts); the
        // others run all the same. Then an error ends the run.
        PreprocessSource();         // prepass.cpp
        ExpandConstants();          // constants.cpp      skipped after an error
        DeclareVariables();         // declarations.cpp   skipped after an error
        ConfigurePorts();           // ports_config.cpp   skipped after an error
        CollectDataArea();          // data_area.cpp      skipped after an error
        ExpandSelectCase();         // select_case.cpp    runs after an error too
        ResolveSubsAndCalls();      // subroutines.cpp    skipped after an error
        HoldDivideRemainder();      // library.cpp        runs after an error too
        SplitLogicalExpressions();  // logic_split.cpp    runs after an error too
        if (S.Flag_Error) return;

        // From here on the first error ends the run.
        HoistIfFunctions();  // if_blocks.cpp: DIV10, READ... out of IF conditions
        if (S.Flag_Error) return;
        if (!TranslateStatements()) return;   // each statement to statements.cpp
        if (!CheckGotoRoutines()) return;     // labels.cpp
        if (!PairSubBlocks()) return;         // subroutines.cpp
        if (!CheckCallDepth()) return;        // subroutines.cpp
        if (!PairForLoops()) return;          // for_loops.cpp
        if (!PairDoLoops()) return;           // do_loops.cpp
        if (!PairIfBlocks()) return;          // if_blocks.cpp
        if (!TranslateAssignments()) return;  // each "=" line to assignments.cpp
        if (!CheckResidue()) return;          // nothing untranslated is left
        if (!CheckLabelNames()) return;       // labels.cpp

        // Output: the assembly text, then the statistics of a good run.
        CompactLines();     // line_ops.cpp
        OptimizeLabels();   // label_optimiser.cpp
        WriteAsmProgram();  // writer.cpp, library.cpp
        if (S.Flag_Error) return;
        BuildStatistics();  // statistics.cpp
    };
    run();

    result.asmText = text::Cp1252ToUtf8(S.AsmText);
    result.flagError = S.Flag_Error;
    if (!S.Flag_Error) result.statistics = text::Cp1252ToUtf8(S.Statistics);
    return result;
}

bool Translator::TranslateStatements() {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (line.empty() || StartsWith(line, "A>")) continue;
        TranslateStatement(k);
        if (S.Flag_Error) return false;
    }
    return true;
}

bool Translator::TranslateAssignments() {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (StartsWith(line, "A>")) continue;
        const int equals = InStr(line, "=");
        if (equals == 0) continue;
        TranslateAssignment(k, equals);
        if (S.Flag_Error) return false;
    }
    return true;
}

bool Translator::CheckResidue() {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (line.empty() || StartsWith(line, "A>")) continue;
        return Refuse(line, "Istruzione non risolta");
    }
    return true;
}

}  // namespace tavolux
