// The translation driver: one run, step by step.
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
        PreprocessSource();
        ExpandConstants();          // skipped after an error
        DeclareVariables();         // skipped after an error
        ConfigurePorts();           // skipped after an error
        CollectDataArea();          // skipped after an error
        ExpandSelectCase();         // runs after an error too
        ResolveSubsAndCalls();      // skipped after an error
        HoldDivideRemainder();      // runs after an error too
        SplitLogicalExpressions();  // runs after an error too
        if (S.Flag_Error) return;

        HoistIfFunctions();
        if (S.Flag_Error) return;
        if (!TranslateStatements()) return;
        if (!PairSubBlocks()) return;
        if (!CheckCallDepth()) return;
        if (!PairForLoops()) return;
        if (!PairDoLoops()) return;
        if (!PairIfBlocks()) return;
        if (!TranslateAssignments()) return;
        if (!CheckResidue()) return;
        if (!CheckLabelNames()) return;

        CompactLines();
        OptimizeLabels();
        WriteAsmProgram();
        if (S.Flag_Error) return;
        BuildStatistics();
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
        S.CurrentStatement = line;
        ReportError("Istruzione non risolta");
        return false;
    }
    return true;
}

}  // namespace tavolux
