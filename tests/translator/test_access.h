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

private:
    Translator& t_;
};

}  // namespace tavolux
