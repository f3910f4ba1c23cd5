// The topics from ASC to GOTO: every fixed text of each topic in its place,
// the lines whose blanks matter, and the few facts the topics state about
// what the translator accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "help_topics.h"
#include "topic_checks.h"
#include "translator.h"

namespace tavolux::help {
namespace {

using namespace topic_checks;

// The fixed texts of each topic in their order: whole lines, but for those
// marked kWithin, pieces of a line that the topic completes with its own
// words. The first is the heading, the first line.
const std::vector<QuotedTopic>& Table() {
    static const std::vector<QuotedTopic> table = {
        {"ShowTopicAsc",
         false,
         {{"Istruzione Ascii"},
          {"In fase di compilazione (translation)", kWithin},
          {"---Esempio---"},
          {"..."},
          {"Write X , 0"},
          {"..."},
          {" , 15", kWithin},
          {"..."},
          {"Attenzione: Non ammette variabili come argomento."}}},
        {"ShowTopicAsm",
         false,
         {{"Inserimento di un'istruzione assembly"},
          {" ASM{ Istruzione 1"},
          {"      Istruzione 2"},
          {"      Istruzione 3"},
          {"          . . ."},
          {"          . . ."},
          {"      Istruzione n }"},
          {"---Esempio---"},
          {"..."},
          {"X=10"},
          {"ASM( MOVLW  5 )"},
          {"ASM( ADDLW 31 )"},
          {"..."},
          {"..."},
          {"ASM{ Clrf X      "},
          {"     Movwf Y     "},
          {"     Goto Lab1   "},
          {"     Movwf Y    }"},
          {"..."},
          {"..."},
          {"***ATTENZIONE***"},
          {"ASM( ADDLW 31 ) somma 0x31", kWithin},
          {"ASM( ADDLW .31 )"},
          {"ASM( ADDLW 0x1F )"}}},
        {"ShowTopicBreak",
         false,
         {{"Interrompe incondizionatamente un ciclo DO While oppure un ciclo For Next"},
          {"Do While X>0"},
          {". . ."},
          {". . ."},
          {"IF Z=1 THEN BREAK"},
          {". . ."},
          {". . ."},
          {"LOOP"}}},
        {"ShowTopicCall",
         false,
         {{"Istruzione di chiamata di un sottoprogramma"},
          {"---Esempio---"},
          {"'Programma main"},
          {"..."},
          {"CALL Test"},
          {"..."},
          {"..."},
          {"END"},
          {"SUB Test"},
          {"..."},
          {"..."},
          {"END SUB"},
          {"..."},
          {" "},
          {"Può essere usata la seguente sintassi:"},
          {"    Call Volume( 10 , 20 , 30 )"},
          {"SUB Volume( Altezza , Larghezza , Spessore )"},
          {"..."},
          {"..."},
          {"END SUB"},
          {" "},
          {"SUB Area( LatoX , LatoY )"},
          {"SUB Area( LatoX , LatoY , LatoZ )"},
          {" "},
          {"Superato il livello massimo di CALL a subroutine"}}},
        {"ShowTopicClear",
         false,
         {{"Azzeramento Porta/Linea"},
          {"---Esempio---"},
          {"Clear A       'Azzera la porta A"},
          {"Clear Port B  'Azzera la porta B"},
          {"Clear B4      'Azzera linea di I/O B4"},
          {"Clear Line A2 'Azzera linea di I/O A2"},
          {"L'istruzione è equivalente a: OUTPUT PORT A , 0"},
          {"VEDERE: SET CARRY, RESET CARRY, OUTPUT, SET, RESET"}}},
        {"ShowTopicClearCarry",
         false,
         {{"Imposta il flag Carry a 0, livello logico OFF"},
          {"---Esempio---"},
          {"Clear Carry"},
          {"Clear Flag Carry"},
          {"VEDERE: SET CARRY, RESET CARRY"}}},
        {"ShowTopicConfig",
         false,
         {{"Configura le porte I/O del micro"},
          {"---Esempio---"},
          {"Config A3 As Input"},
          {"Config A1,B5 As Output"},
          {"Config B As Input"},
          {"Config A3 As Input da sola rende output A0, A1, A2 e A4.", kWithin},
          {"Attenzione: l'istruzione CONFIG deve essere una delle prime istruzioni."},
          {"VEDERE: RECONFIG"}}},
        {"ShowTopicConst",
         false,
         {{"Definisce una costante simbolica per il l'intero programma."},
          {"---Esempio---"},
          {"Const LineaInput = A3"},
          {"Const LineaRicezione = B0"},
          {"Symbol PortIo = B"},
          {". . ."},
          {". . ."},
          {"X = Input( LineaInput )"},
          {". . ."},
          {". . ."},
          {"Attenzione: l'istruzione CONST/SYMBOL deve essere una delle prime istruzioni."}}},
        {"ShowTopicData",
         false,
         {{"Dimensionamento di un'area DATA"},
          {" "},
          {"---Esempio---"},
          {"DATA 3, 7, 123, 78"},
          {"DATA 0x5A , ", kWithin},
          {" , B'01101100'", kWithin}}},
        {"ShowTopicDim",
         false,
         {{"Dimensionamento di variabili."},
          {"--Esempio--"},
          {"Dim X as Byte     (riserva 1 Byte dell'area RAM)"},
          {"Dim Y as Integer  (riserva 2 Byte della RAM)"},
          {"Dim Z as Single   (riserva 4 Byte della RAM)"},
          {"Dim Temp, Lato as Byte  (dimensionamento multiplo)"},
          {"Nome di variabile riservato dal sistema o sintassi sbagliata"},
          {"Attenzione: l'istruzione DIM deve essere una delle prime istruzioni."}}},
        {"ShowTopicDiv10",
         false,
         {{"La funzione permette di eseguire la divisione per 10 (Div10) ottenendo la parte "
           "intera del quoziente."},
          {"Sintassi:   Var.Quoziente = Div10( Var.Dividendo )"},
          {"            Var.Resto     = Div10r()"},
          {"Esempio:"},
          {"X = 207"},
          {"Y = Div10( X )  'Y assumerà il valore 20"},
          {"Z = Div10r()    'Z assumerà il valore 7"}}},
        {"ShowTopicDo",
         false,
         {{"Definizione di un ciclo iterativo"},
          {"---Esempio---"},
          {"Do While X>Y"},
          {" <istruz. da eseguire>"},
          {" <istruz. da eseguire>"},
          {"Loop"},
          {" "},
          {"=,>,<,<>,<=,>="},
          {"Do While X > [cost. numerica a 8 bit]"},
          {"Do"},
          {"..."},
          {"Loop"},
          {"Do While Input(A3)=1"},
          {"..."},
          {"Loop"},
          {"Do while GetData(5)>9"},
          {"..."},
          {"Loop"},
          {"Do Not <cond.> ... Loop"},
          {"Do While Not <cond.> ... Loop"},
          {"Do ... Loop While <cond.>"},
          {"Do ... Loop Until <cond.>"}}},
        {"ShowTopicEnd",
         false,
         {{"Istruzione di fine programma"},
          {"---Esempio---"},
          {"Dim X as Byte"},
          {"X=0"},
          {"..."},
          {"END"},
          {"SUB Test"},
          {"..."},
          {"END SUB"},
          {"VEDERE: STOP"}}},
        {"ShowTopicEndSub",
         false,
         {{"Istruzione di chiusura di una subroutine"},
          {"---Esempio---"},
          {"SUB Display"},
          {"..."},
          {"..."},
          {"END SUB"}}},
        {"ShowTopicExitSub",
         false,
         {{"Interruzione di una subroutine"},
          {"---Esempio---"},
          {"SUB Display"},
          {"..."},
          {"If X=1 Then Exit sub"},
          {"..."},
          {"END SUB"}}},
        {"ShowTopicFlagCarry",
         false,
         {{"Lettura dello stato logico del flag carry"},
          {"---Esempio---"},
          {"X = Flag_Carry"},
          {"IF Flag_Carry = 1 THEN ..."}}},
        {"ShowTopicFlagZero",
         false,
         {{"Lettura dello stato logico del flag zero"},
          {"---Esempio---"},
          {"X = Flag_Zero "},
          {"IF Flag_Zero = 1 THEN ..."}}},
        {"ShowTopicFor",
         false,
         {{"Definizione di un ciclo iterativo For...Next"},
          {" "},
          {"FOR [var]=[Val. iniziale] TO [Val. finale] STEP [incremnto]"},
          {"---Esempio---"},
          {"For I = 1 to 10"},
          {"<Istr.>"},
          {"<Istr.>"},
          {"Next I"},
          {" "},
          {"For I=1 to 10 step 9"},
          {"..."},
          {"Next I"},
          {"Esempio di ciclo FOR/NEXT"},
          {"For I=10 to 1 step -9"},
          {"..."},
          {"Next I"},
          {"Esempio di ciclo FOR/NEXT"},
          {"For I=X to Y step K"},
          {"..."},
          {"Next I"},
          {"Esempio di ciclo FOR/NEXT con l'uso di variabili"}}},
        {"ShowTopicGetData",
         false,
         {{"Lettura dell'area di memoria DATA"},
          {"            Variabile = GETDATA( Indice )"},
          {"---Esempio---"},
          {"X = GetData(1)"},
          {"Y = GetData(Indice)"},
          {"IF GetData(X) > Y THEN ..."}}},
        {"ShowTopicGoto",
         false,
         {{"L'istruzione permette di eseguire un salto incondizionato."},
          {"Esempio"},
          {"Inizio: X=0"},
          {"        X = X + 1"},
          {"        . . . "},
          {"        . . . "},
          {"        Goto Inizio"},
          {"        . . ."}}},
    };
    return table;
}

const TopicText* Find(std::string_view procedure) {
    for (const TopicText& topic : StatementTopicsAscToGoto()) {
        if (topic.procedure == procedure) return &topic;
    }
    return nullptr;
}

// The topics that end with an empty line; every other one ends with text.
const std::set<std::string_view> kEndWithEmptyLine = {"ShowTopicAsc", "ShowTopicFlagCarry",
                                                      "ShowTopicFlagZero", "ShowTopicGetData"};

TEST(HelpTopicsAscToGoto, EveryFixedTextStandsInItsPlace) {
    ExpectQuotedTopics(StatementTopicsAscToGoto(), Table());
}

TEST(HelpTopicsAscToGoto, OnlyTheTopicsThatShouldEndWithAnEmptyLine) {
    for (const TopicText& topic : StatementTopicsAscToGoto()) {
        ASSERT_FALSE(topic.lines.empty()) << topic.procedure;
        EXPECT_EQ(topic.lines.back().empty(), kEndWithEmptyLine.contains(topic.procedure))
            << topic.procedure << ": " << topic.lines.back();
    }
}

TEST(HelpTopicsAscToGoto, LinesArePlainUtf8WithoutLineEnds) {
    ExpectWellFormedLines(StatementTopicsAscToGoto());
}

// Runs of lines that must follow one another exactly, blanks included.
TEST(HelpTopicsAscToGoto, LinesWhoseBlanksAndNeighboursMatter) {
    const struct {
        std::string_view procedure;
        std::vector<std::string_view> run;
    } cases[] = {
        {"ShowTopicAsm",
         {" ASM{ Istruzione 1", "      Istruzione 2", "      Istruzione 3", "          . . .",
          "          . . .", "      Istruzione n }"}},
        {"ShowTopicAsm",
         {"ASM{ Clrf X      ", "     Movwf Y     ", "     Goto Lab1   ", "     Movwf Y    }"}},
        {"ShowTopicGoto",
         {"Esempio", "", "Inizio: X=0", "        X = X + 1", "        . . . ", "        . . . ",
          "        Goto Inizio", "        . . ."}},
        {"ShowTopicDim",
         {"--Esempio--", "Dim X as Byte     (riserva 1 Byte dell'area RAM)",
          "Dim Y as Integer  (riserva 2 Byte della RAM)",
          "Dim Z as Single   (riserva 4 Byte della RAM)",
          "Dim Temp, Lato as Byte  (dimensionamento multiplo)"}},
        {"ShowTopicDiv10",
         {"Sintassi:   Var.Quoziente = Div10( Var.Dividendo )",
          "            Var.Resto     = Div10r()"}},
        {"ShowTopicData", {"Dimensionamento di un'area DATA", " "}},
        {"ShowTopicBreak",
         {"Interrompe incondizionatamente un ciclo DO While oppure un ciclo For Next", "",
          "Do While X>0"}},
        {"ShowTopicClear",
         {"L'istruzione è equivalente a: OUTPUT PORT A , 0",
          "VEDERE: SET CARRY, RESET CARRY, OUTPUT, SET, RESET"}},
        {"ShowTopicCall", {"END", "", "SUB Test"}},
        {"ShowTopicEnd", {"END", "", "SUB Test"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.procedure);
        const TopicText* topic = Find(c.procedure);
        ASSERT_NE(topic, nullptr);
        const auto& lines = topic->lines;
        bool found = false;
        for (size_t start = 0; start + c.run.size() <= lines.size() && !found; ++start) {
            found = std::equal(c.run.begin(), c.run.end(), lines.begin() + start);
        }
        EXPECT_TRUE(found) << "not found as consecutive lines, starting with \"" << c.run.front()
                           << "\"";
    }
    // The DIV10 heading is followed at once by its two explanation lines.
    const TopicText* div10 = Find("ShowTopicDiv10");
    ASSERT_NE(div10, nullptr);
    ASSERT_GE(div10->lines.size(), 4u);
    EXPECT_FALSE(div10->lines[1].empty());
    EXPECT_FALSE(div10->lines[2].empty());
    EXPECT_TRUE(div10->lines[3].empty());
}

// What the topics say the translator accepts or refuses, so that a change of
// the translator that makes a topic wrong shows here.
TEST(HelpTopicsAscToGoto, TheTranslatorDoesWhatTheTopicsSay) {
    const struct {
        const char* said;
        std::string program;
        bool accepted;
    } cases[] = {
        {"Input() in the condition of a DO loop",
         "DIM X AS BYTE\r\nDO WHILE INPUT(A0)=1\r\nX = 1\r\nLOOP\r\nEND\r\n", true},
        {"GetData() is refused in the condition of a DO loop",
         "DATA 1, 2, 3, 4, 5, 6\r\nDIM X AS BYTE\r\nDO WHILE GETDATA(5)>9\r\nX = "
         "1\r\nLOOP\r\nEND\r\n",
         false},
        {"GetData() with a variable index and inside IF",
         "DATA 3, 7\r\nDIM X, Y, INDICE AS BYTE\r\nX = GETDATA(1)\r\nY = GETDATA(INDICE)\r\n"
         "IF GETDATA(X) > Y THEN\r\nX = 0\r\nEND IF\r\nEND\r\n",
         true},
        {"a numeric GetData() index past the DATA area is refused",
         "DATA 3, 7\r\nDIM X AS BYTE\r\nX = GETDATA(3)\r\nEND\r\n", false},
        {"six levels of subroutines",
         "CALL S1\r\nEND\r\nSUB S1\r\nCALL S2\r\nEND SUB\r\nSUB S2\r\nCALL S3\r\nEND SUB\r\n"
         "SUB S3\r\nCALL S4\r\nEND SUB\r\nSUB S4\r\nCALL S5\r\nEND SUB\r\nSUB S5\r\nCALL S6\r\n"
         "END SUB\r\nSUB S6\r\nEND SUB\r\n",
         true},
        {"seven levels of subroutines",
         "CALL S1\r\nEND\r\nSUB S1\r\nCALL S2\r\nEND SUB\r\nSUB S2\r\nCALL S3\r\nEND SUB\r\n"
         "SUB S3\r\nCALL S4\r\nEND SUB\r\nSUB S4\r\nCALL S5\r\nEND SUB\r\nSUB S5\r\nCALL S6\r\n"
         "END SUB\r\nSUB S6\r\nCALL S7\r\nEND SUB\r\nSUB S7\r\nEND SUB\r\n",
         false},
        {"a label may not begin with '@'", "@INIZIO: GOTO @INIZIO\r\nEND\r\n", false},
        {"five levels of subroutines and a WRITE in the deepest",
         "CALL S1\r\nEND\r\nSUB S1\r\nCALL S2\r\nEND SUB\r\nSUB S2\r\nCALL S3\r\nEND SUB\r\n"
         "SUB S3\r\nCALL S4\r\nEND SUB\r\nSUB S4\r\nCALL S5\r\nEND SUB\r\nSUB S5\r\n"
         "WRITE 5 , 10\r\nEND SUB\r\n",
         true},
        {"names that only begin like a reserved one",
         "DIM WX, F1, _T, W1 AS BYTE\r\nWX = 1\r\nEND\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        Translator translator;
        const TranslationResult result = translator.TranslateProgram(c.program, "");
        EXPECT_EQ(!result.flagError, c.accepted) << result.asmText;
    }
}

// The CONFIG topic's way to start an output port at 0: CONFIG sets the lines
// before the program's statements, so the port is written while it is still
// an input and made an output only after that.
TEST(HelpTopicsAscToGoto, TheConfigExampleWritesThePortBeforeItBecomesAnOutput) {
    Translator translator;
    const TranslationResult result = translator.TranslateProgram(
        "Config B As Input\r\nOutput B , 0\r\nReconfig B As Output\r\nEND\r\n", "");
    ASSERT_FALSE(result.flagError) << result.asmText;
    // The writes to TRISB and PORTB in their order, each with the literal W holds.
    std::vector<std::string> writes;
    std::string literal;
    std::istringstream lines(result.asmText);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string op, operand;
        words >> op >> operand;
        std::transform(op.begin(), op.end(), op.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (op == "MOVLW") literal = operand;
        if (op == "MOVWF" && (operand == "Reg_TrisB" || operand == "Reg_PortB")) {
            writes.push_back(operand + " = " + literal);
        }
    }
    EXPECT_EQ(writes,
              (std::vector<std::string>{"Reg_TrisB = 0xFF", "Reg_PortB = 0", "Reg_TrisB = 0"}))
        << result.asmText;
}

// Six levels of subroutines with `deepest` in the sixth.
std::vector<std::string_view> SixLevelsAround(std::string_view deepest) {
    return {"Data 1, 2", "Dim X, Y as Byte", "CALL S1", "END",     "SUB S1", "CALL S2",
            "END SUB",   "SUB S2",           "CALL S3", "END SUB", "SUB S3", "CALL S4",
            "END SUB",   "SUB S4",           "CALL S5", "END SUB", "SUB S5", "CALL S6",
            "END SUB",   "SUB S6",           deepest,   "END SUB"};
}

// A main program whose deepest call is at `levels` (S1 calls S2 and so on,
// the last sets X), under an interrupt whose routine Gestore stands in
// `routines` with what it calls.
std::vector<std::string_view> MainProgramAtLevelUnderAnInterrupt(
    int levels, const std::vector<std::string_view>& routines) {
    static constexpr std::string_view kSubs[] = {"SUB S1", "SUB S2", "SUB S3",
                                                 "SUB S4", "SUB S5", "SUB S6"};
    static constexpr std::string_view kCalls[] = {"CALL S1", "CALL S2", "CALL S3",
                                                  "CALL S4", "CALL S5", "CALL S6"};
    std::vector<std::string_view> lines = {"Dim X, Y as Byte", "On External Interrupt call Gestore",
                                           kCalls[0], "END"};
    for (int level = 1; level <= levels; ++level) {
        lines.push_back(kSubs[level - 1]);
        lines.push_back(level < levels ? kCalls[level] : "X = 1");
        lines.push_back("END SUB");
    }
    lines.insert(lines.end(), routines.begin(), routines.end());
    return lines;
}

// Six levels of subroutines under an interrupt whose routine holds `line`.
std::vector<std::string_view> SixLevelsUnderAnInterrupt(std::string_view line) {
    return MainProgramAtLevelUnderAnInterrupt(6,
                                              {"SUB Gestore", line, "END SUB", "SUB K", "END SUB"});
}

// Five levels of subroutines under an interrupt whose routine calls U, then
// V, then the library routines of DIV10, WRITE and READ, one after another;
// U holds `inU`.
std::vector<std::string_view> FiveLevelsUnderARoutineCallingInTurn(std::string_view inU) {
    return MainProgramAtLevelUnderAnInterrupt(
        5, {"SUB Gestore", "CALL U", "CALL V", "Y = Div10( X )", "Write Y , 5", "Y = Read( 5 )",
            "END SUB", "SUB U", inU, "END SUB", "SUB V", "Y = 2", "END SUB"});
}

TEST(HelpTopicsAscToGoto, ExampleLinesTranslate) {
    constexpr std::string_view kReserved =
        "Nome di variabile riservato dal sistema o sintassi sbagliata";
    constexpr std::string_view kTooDeep = "Superato il livello massimo di CALL a subroutine";
    ExpectExamplesTranslate({
        {"ShowTopicAsc",
         {"Dim X as Byte", "> X = ASC(\"A\")", "> Write X , 0", "> Write ASC(\"T\") , 15", "END"}},
        {"ShowTopicAsm",
         {"Dim X as Byte", "Dim Y as Byte", "> X=10", "> ASM( MOVLW  5 )", "> ASM( ADDLW 31 )",
          "> ASM( ADDLW .31 )", "> ASM( ADDLW 0x1F )", "> ASM{ Clrf X      ", ">      Movwf Y     ",
          ">      Goto Lab1   ", ">      Movwf Y    }", "Lab1: X = 1", "END"}},
        {"ShowTopicBreak",
         {"Dim X as Byte", "Dim Z as Byte", "> Do While X>0", "X = X - 1", "> IF Z=1 THEN BREAK",
          "> LOOP", "END"}},
        {"ShowTopicCall",
         {"Dim Altezza, Larghezza, Spessore as Byte", "Dim LatoX, LatoY, LatoZ as Byte",
          "> 'Programma main", "> CALL Test", ">     Call Volume( 10 , 20 , 30 )",
          "Call Area( 1 , 2 )", "Call Area( 1 , 2 , 3 )", "> END", "> SUB Test", "> END SUB",
          "> SUB Volume( Altezza , Larghezza , Spessore )", "END SUB",
          "> SUB Area( LatoX , LatoY )", "END SUB", "> SUB Area( LatoX , LatoY , LatoZ )",
          "END SUB"}},
        // A library routine takes a level of its own.
        {"ShowTopicCall", SixLevelsAround("Write X , 10"), kTooDeep},
        {"ShowTopicCall", SixLevelsAround("Y = Read( 3 )"), kTooDeep},
        {"ShowTopicCall", SixLevelsAround("Y = Div10( X )"), kTooDeep},
        {"ShowTopicCall", SixLevelsAround("Y = Div10r()"), kTooDeep},
        {"ShowTopicCall", SixLevelsAround("Y = GetData(1)"), kTooDeep},
        // Under an interrupt: six levels, one for the interrupt and one for
        // its routine fill the eight; a call from the routine is one too many.
        {"ShowTopicCall", SixLevelsUnderAnInterrupt("Y = X + 1")},
        {"ShowTopicCall", SixLevelsUnderAnInterrupt("CALL K"), kTooDeep},
        {"ShowTopicCall", SixLevelsUnderAnInterrupt("Write X , 10"), kTooDeep},
        // Calls one after another take one level; a call inside U one more.
        {"ShowTopicCall", FiveLevelsUnderARoutineCallingInTurn("Y = 1")},
        {"ShowTopicCall", FiveLevelsUnderARoutineCallingInTurn("Y = Div10( X )"), kTooDeep},
        {"ShowTopicClear",
         {"> Clear A       'Azzera la porta A", "> Clear Port B  'Azzera la porta B",
          "> Clear B4      'Azzera linea di I/O B4", "> Clear Line A2 'Azzera linea di I/O A2",
          "~ OUTPUT PORT A , 0", "END"}},
        {"ShowTopicClearCarry", {"> Clear Carry", "> Clear Flag Carry", "END"}},
        {"ShowTopicConfig",
         {"> Config A3 As Input", "> Config A1,B5 As Output", "> Config B As Input",
          "~ Config port A as Input", "~ Config line A2 as Input", "END"}},
        {"ShowTopicConfig",
         {"> Config B As Input", "> Output B , 0", "> Reconfig B As Output", "END"}},
        {"ShowTopicConfig", {"~ Config B0, B5As Input", "END"}, {}, true},
        {"ShowTopicConst",
         {"Dim X as Byte", "> Const LineaInput = A3", "> Const LineaRicezione = B0",
          "> Symbol PortIo = B", "> X = Input( LineaInput )", "> X = Input( A3 )",
          "X = Input( LineaRicezione )", "X = Input( PortIo )", "END"}},
        {"ShowTopicData", {"> DATA 3, 7, 123, 78", "> DATA 0x5A , \"Prova\" , B'01101100'", "END"}},
        {"ShowTopicData", {"~ DATA 300", "END"}, "Costante numerica non ammessa"},
        {"ShowTopicDim",
         {"> Dim X as Byte", "> Dim Y as Integer", "> Dim Z as Single", "> Dim Temp, Lato as Byte",
          "~ Z = 2.75", "END"}},
        // 61 bytes of variables, and the translator's own bytes on top of them.
        {"ShowTopicDim", {"Dim A[55] as Byte", "Dim X, Y, Z, K, R, Q as Byte", "X = Y", "END"}},
        {"ShowTopicDim",
         {"Dim A[55] as Byte", "Dim X, Y, Z, K, R, Q as Byte", "On Timer Interrupt call T",
          "Wait 3, 4", "X = Div10( Y )", "END", "SUB T", "K = 1", "END SUB"},
         "Memoria RAM insufficiente: le variabili superano l'indirizzo 0x4F"},
        {"ShowTopicDim", {"Dim W as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim F as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim Then as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim Next as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim Wait as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim Rnd as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim Flag_Carry as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim B as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim Movf as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim W#1 as Byte", "END"}, kReserved},
        {"ShowTopicDim", {"Dim 1X as Byte", "END"}, kReserved},
        {"ShowTopicDiv10",
         {"Dim X, Y, Z as Byte", "> X = 207", "> Y = Div10( X )  'Y assumerà il valore 20",
          "> Z = Div10r()    'Z assumerà il valore 7", "END"}},
        {"ShowTopicDo",
         {"Dim X, Y as Byte", "> Do While X>Y", "X = X - 1", "> Loop", "> Do While Input(A3)=1",
          "X = 2", "Loop", "> Do", "X = 3", "> Loop", "~ Do While X<>0", "X = X - 1", "Loop",
          "~ Do While X>=1", "X = X - 1", "Loop", "END"}},
        {"ShowTopicEnd",
         {"> Dim X as Byte", "> X=0", "CALL Test", "> END", "> SUB Test", "> END SUB"}},
        {"ShowTopicEndSub", {"CALL Display", "END", "> SUB Display", "> END SUB"}},
        {"ShowTopicExitSub",
         {"Dim X as Byte", "CALL Display", "END", "> SUB Display", "> If X=1 Then Exit sub",
          "X = 2", "> END SUB"}},
        {"ShowTopicFlagCarry",
         {"Dim X as Byte", "> X = Flag_Carry", "> IF Flag_Carry = 1 THEN", "X = 2", "End If",
          "END"}},
        {"ShowTopicFlagZero",
         {"Dim X as Byte", "> X = Flag_Zero ", "> IF Flag_Zero = 1 THEN", "X = 2", "End If",
          "END"}},
        {"ShowTopicFor",
         {"Dim I, X, Y, K as Byte", "> For I = 1 to 10", "X = I", "> Next I",
          "> For I=1 to 10 step 9", "X = I", "> Next I", "> For I=10 to 1 step -9", "X = I",
          "Next I", "> For I=X to Y step K", "X = I", "Next I", "END"}},
        {"ShowTopicFor",
         {"Dim I, X, Y, N as Byte", "~ X = 5", "~ Y = 2", "~ For I = X to Y", "N = N + 1", "Next I",
          "END"}},
        {"ShowTopicFor",
         {"Dim I, N as Byte", "~ For I = 5 to 2", "N = N + 1", "Next I", "END"},
         "Controllare l'istruzione FOR...NEXT"},
        {"ShowTopicGetData",
         {"Data 3, 7", "Dim X, Y, Indice as Byte", "> X = GetData(1)", "> Y = GetData(Indice)",
          "> IF GetData(X) > Y THEN", "X = 0", "End If", "END"}},
        {"ShowTopicGoto",
         {"Dim X as Byte", "> Inizio: X=0", ">         X = X + 1", ">         Goto Inizio", "END"}},
        {"ShowTopicGoto",
         {"Dim X as Byte", "CALL Conta", "> Inizio: X=0", "END", "SUB Conta", "X = X + 1",
          ">         Goto Inizio", "END SUB"},
         "GOTO verso un'altra routine"},
    });
}

}  // namespace
}  // namespace tavolux::help
