// Reaches the translator's single operations from unit tests.
#pragma once

#include "translator.h"

namespace tavolux {

class TranslatorTestAccess {
  public:
    explicit TranslatorTestAccess(Translator& t) : t_(t) {}
    TranslatorState& State() { return t_.S; }
    std::string NewLabel() { return t_.NewLabel(); }
    std::string NewTempVar() { return t_.NewTempVar(); }
    std::string NewDynamicVar() { return t_.NewDynamicVar(); }
    void FreeDynamicVar(std::string_view name) { t_.FreeDynamicVar(name); }
    bool InsertLines(int position, int count) { return t_.InsertLines(position, count); }
    void ReportError(std::string_view message) { t_.ReportError(message); }
    bool CheckCallDepth() { return t_.CheckCallDepth(); }
    void ResetRun() { t_.ResetRun(); }
    void TranslateAssignment(int k, int equalsPos) { t_.TranslateAssignment(k, equalsPos); }
    void WriteDataTable() { t_.WriteDataTable(); }
    void WriteLibraryRoutines() { t_.WriteLibraryRoutines(); }
    void TranslateIfBlock(int ifLine, int endIf, int elseLine) {
        t_.TranslateIfBlock(ifLine, endIf, elseLine);
    }
    void OptimizeLabels() { t_.OptimizeLabels(); }
    void SplitLogicalExpressions() { t_.SplitLogicalExpressions(); }
    void ExpandConstants() { t_.ExpandConstants(); }
    void DeclareVariables() { t_.DeclareVariables(); }
    void CollectDataArea() { t_.CollectDataArea(); }
    void WriteAsmProgram() { t_.WriteAsmProgram(); }
    std::string ConvertFloatToHex(float value) { return t_.ConvertFloatToHex(value); }
    static std::string ConvertBinToHex(std::string_view bits) {
        return Translator::ConvertBinToHex(bits);
    }
    void ExpandSelectCase() { t_.ExpandSelectCase(); }
    void ResolveSubsAndCalls() { t_.ResolveSubsAndCalls(); }
    void TranslateSubBlock(int header, int end) { t_.TranslateSubBlock(header, end); }

  private:
    Translator& t_;
};

}  // namespace tavolux
