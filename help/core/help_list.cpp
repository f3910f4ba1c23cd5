#include "help_list.h"

#include "basic_text.h"

namespace tavolux::help {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool Holds(const DispatchRule& rule, std::string_view item) {
    return rule.match == Match::Whole ? item == rule.text : text::StartsWith(item, rule.text);
}

bool IsBlankItem(std::string_view item) {
    return text::Trim(item).empty();
}

}  // namespace

const std::vector<std::string_view>& HelpListItems() {
    static const std::vector<std::string_view> items = {
        "Il micro PIC16F84A",
        "Package",
        "Aritmetica di base",
        "Ringraziamenti",
        "Workspace",
        "CopyRight",
        "Versione",
        "Nota: Osc. RC",
        " ",
        "ASC",
        "ASM",
        "BREAK",
        "CALL",
        "CLEAR",
        "CLEAR CARRY",
        "CLEAR LINE",
        "CLEAR PORT",
        "CONFIG",
        "CONST",
        "DATA",
        "DIM",
        "DIV10",
        "DIV10R",
        "DO",
        "END",
        "END SUB",
        "EXIT SUB",
        "FLAG_CARRY",
        "FLAG_ZERO",
        "FOR",
        "GETDATA",
        "GOTO",
        "IF",
        "INPUT",
        "OUTPUT",
        "READ",
        "RECONFIG",
        "RESET",
        "RESET CARRY",
        "RND (random)",
        "ROTATE BIT",
        "SELECT CASE",
        "SET",
        "SET CARRY",
        "SHIFT BIT",
        "STOP",
        "SUB",
        "SYMBOL",
        "SWAP BINARY",
        "SWAP BYTE",
        "WAIT",
        "WAIT (Utility)",
        "WRITE",
        " ",
        "-Interrupt Timer-",
        "ON TIMER INTERRUPT",
        "SET INTERNAL CLOCK",
        "SET EXTERNAL CLOCK",
        "SET TIMER EDGE",
        "SET TIMER RATE",
        "SET TIMER ON/OFF",
        "SET INIT TIMER TO",
        " ",
        "-Interrupt Esterno-",
        "ON EXTERNAL INTERRUPT",
        "SET EXT. INT. EDGE",
        "SET EXT. INT. ON/OFF",
        " ",
        "-Interrupt su Linea-",
        "ON LINE INTERRUPT",
        "SET LINE INTERRUPT",
        " ",
        "  ==>> Help <<==",
    };
    return items;
}

std::string_view HelpInstructions() {
    return "\r\n\r\n\r\n\r\n\r\n\r\n"
           "      ATTENZIONE\r\n"
           "   a) Selezionare l'istruzione da visualizzare.\r\n"
           "   b) Un click su bordo esterno chiude l'Help\r\n"
           "   c) Doppio click per ottenere un file-help testo.";
}

const std::vector<DispatchRule>& DispatchRules() {
    using enum Match;
    static const std::vector<DispatchRule> rules = {
        {StartsWith, "Nota: Osc. RC", "ShowTopicOscRC"},
        {StartsWith, "Workspace", "ShowTopicWorkspace"},
        {StartsWith, "Versione", "ShowTopicVersion"},
        {StartsWith, "Ringrazi", "ShowTopicThanks"},
        {StartsWith, "CopyRigh", "ShowTopicReleaseDates"},
        {StartsWith, "Aritmeti", "ShowTopicArithmetic"},
        {StartsWith, "ASC", "ShowTopicAsc"},
        {StartsWith, "ASM", "ShowTopicAsm"},
        {StartsWith, "BREAK", "ShowTopicBreak"},
        {StartsWith, "CALL", "ShowTopicCall"},
        {Whole, "CLEAR", "ShowTopicClear"},
        {StartsWith, "CLEAR CARRY", "ShowTopicClearCarry"},
        {StartsWith, "CLEAR LINE", "ShowTopicClear"},
        {StartsWith, "CLEAR PORT", "ShowTopicClear"},
        {StartsWith, "CONFIG", "ShowTopicConfig"},
        {StartsWith, "CONST", "ShowTopicConst"},
        {StartsWith, "SYMBO", "ShowTopicConst"},
        {StartsWith, "DIM", "ShowTopicDim"},
        {StartsWith, "DATA", "ShowTopicData"},
        {StartsWith, "DIV10", "ShowTopicDiv10"},
        {StartsWith, "DO", "ShowTopicDo"},
        {Whole, "END SUB", "ShowTopicEndSub"},
        {Whole, "END", "ShowTopicEnd"},
        {StartsWith, "EXIT SUB", "ShowTopicExitSub"},
        {StartsWith, "FLAG_CARR", "ShowTopicFlagCarry"},
        {StartsWith, "FLAG_ZERO", "ShowTopicFlagZero"},
        {StartsWith, "FOR", "ShowTopicFor"},
        {StartsWith, "GETDATA", "ShowTopicGetData"},
        {StartsWith, "GOTO", "ShowTopicGoto"},
        {StartsWith, "IF", "ShowTopicIf"},
        {StartsWith, "INPUT", "ShowTopicInput"},
        {StartsWith, "ON TIMER", "ShowTopicOnTimerInterrupt"},
        {StartsWith, "ON EXTER", "ShowTopicOnExternalInterrupt"},
        {StartsWith, "ON LINE", "ShowTopicOnLineInterrupt"},
        {StartsWith, "OUTPUT", "ShowTopicOutput"},
        {StartsWith, "READ", "ShowTopicRead"},
        {StartsWith, "RECONFIG", "ShowTopicReconfig"},
        {StartsWith, "RESET CAR", "ShowTopicResetCarry"},
        {StartsWith, "RND ", "ShowTopicRnd"},
        {Whole, "RESET", "ShowTopicReset"},
        {StartsWith, "ROTATE", "ShowTopicRotate"},
        {StartsWith, "SELECT", "ShowTopicSelectCase"},
        {StartsWith, "SET CARRY", "ShowTopicSetCarry"},
        {Whole, "SET", "ShowTopicSet"},
        {StartsWith, "SET INTER", "ShowTopicSetInternalClock"},
        {StartsWith, "SET EXTERNAL CLOCK", "ShowTopicSetExternalClock"},
        {StartsWith, "SET EXT. INT. EDGE", "ShowTopicSetExtIntEdge"},
        {StartsWith, "SET EXT. INT. ON/OFF", "ShowTopicSetExtIntOnOff"},
        {StartsWith, "SET TIMER EDGE", "ShowTopicSetTimerEdge"},
        {StartsWith, "SET TIMER RATE", "ShowTopicSetTimerRate"},
        {StartsWith, "SET TIMER ON", "ShowTopicSetTimerOnOff"},
        {StartsWith, "SET INIT TIMER", "ShowTopicSetInitTimer"},
        {StartsWith, "SET LINE", "ShowTopicSetLineInterrupt"},
        {StartsWith, "SHIFT", "ShowTopicShift"},
        {StartsWith, "STOP", "ShowTopicStop"},
        {StartsWith, "SUB", "ShowTopicSub"},
        {StartsWith, "SWAP", "ShowTopicSwap"},
        {StartsWith, "WAIT (Uti", kShowWaitCalculator},
        {StartsWith, "WAIT", "ShowTopicWait"},
        {StartsWith, "WRITE", "ShowTopicWrite"},
    };
    return rules;
}

HelpDispatch DispatchHelpItem(std::string_view item) {
    HelpDispatch dispatch;
    if (text::StartsWith(item, "Il micro")) dispatch.procedures.push_back("ShowTopicMicro");
    if (text::StartsWith(item, "Package")) {
        dispatch.showPicture = true;
        return dispatch;
    }
    for (const DispatchRule& rule : DispatchRules()) {
        if (Holds(rule, item)) dispatch.procedures.push_back(rule.procedure);
    }
    return dispatch;
}

namespace {

// One line of a topic, and its line end.
void AppendHelpLine(std::string& text, std::string_view line) {
    text.append(line).append(kCrLf);
}

}  // namespace

std::string HelpPageText(std::string_view item, const HelpContext& context) {
    std::string text(kCrLf);
    const HelpDispatch dispatch = DispatchHelpItem(item);
    if (dispatch.showPicture) return text;
    for (std::string_view procedure : dispatch.procedures) {
        for (const std::string& line : TopicLines(procedure, context)) AppendHelpLine(text, line);
    }
    if (text == kCrLf) return std::string(HelpInstructions());
    return text;
}

std::string BuildHelpExport(const HelpContext& context) {
    std::string text;
    for (std::string_view item : HelpListItems()) {
        if (IsBlankItem(item)) continue;
        text.append(item).append(kCrLf);
        text.append(HelpPageText(item, context)).append(kCrLf);
        text.append(" \r\n \r\n");
    }
    return text;
}

}  // namespace tavolux::help
