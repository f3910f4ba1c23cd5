// Every statement is read whole: what the translator cannot read exactly it
// refuses. Each family below has a statement that translates, and the slips
// a student makes in it (a word or a unit after a number, NOT before a
// function, an extra item, an operator typed twice or the wrong way round),
// each with the report it gets. A generator then makes the usual slips in
// every statement of the translator cases: each variant is refused, or it
// translates to the text of the program it came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "asm_tools.h"
#include "translator.h"

namespace {

namespace fs = std::filesystem;
using tavolux::testing::ReadFile;
using tavolux::testing::ToCrLf;

// The statement goes into a program that declares what the families use:
// bytes, a DATA area, two subroutines with parameters.
std::string Program(const std::string& statements) {
    return ToCrLf("DIM X, Y, Z, M, LATOX, LATOY AS BYTE\nDATA 1, 2, 3, 4, 5\n" + statements +
                  "\nEND\nSUB AREA(LATOX, LATOY)\nEND SUB\nSUB VOLUME(X, Y, Z)\nEND SUB\n");
}

struct Slip {
    const char* typed;
    std::string report;  // the message of the first report
};

struct Family {
    const char* name;
    const char* base;  // translates
    std::vector<Slip> slips;
    friend void PrintTo(const Family& f, std::ostream* os) { *os << f.base; }
};

const char* const kInputCompare = "Impossibiler risolvere l'istruzione";
const char* const kInputAlone = "Sintassi non valida";
const char* const kNoCompare = "Controllare l'istruzione";
const char* const kNoExpression = "Variabile o Espressione algebrica non definita";
const char* const kDirection = "Impossibile determinare se configurazione di Input o Output";
const char* const kLine = "Indice della linea di I/O non valido";
const char* const kEeprom = "Indirizzo della memoria EEPROM fuori dall'intervallo 0-63";
const char* const kWaitCount = "Costante numerica non valida";
const char* const kCall = "Istruzione CALL non corretta: testo dopo la parentesi chiusa";
const char* const kWriteItem = "Sintassi non corretta o non valida";
const char* const kReconfigList = "Riconfigurazioni multiple non valide";
const char* const kConst = "Definizione errata di CONST/SYMBOL";
const char* const kReserved = "Nome di variabile riservato dal sistema o sintassi sbagliata";
const char* const kConstant = "Costante numerica non ammessa";
const char* const kElseNotLast =
    "CASE ELSE deve essere l'ultimo caso del blocco SELECT CASE e pu\xC3\xB2 comparire una sola "
    "volta";
const char* const kStatementAfterIf =
    "Dopo un IF su una sola riga non pu\xC3\xB2 seguire un'altra istruzione separata da ':'. "
    "Usare la forma a blocco: IF ... THEN su una riga, le istruzioni nelle righe seguenti, poi "
    "END IF";
const char* const kBinary = "Valore binario non corretto";
const char* const kLabelWord = "Nome di etichetta non ammesso: ";
const char* const kLabelInSelect =
    "In un blocco SELECT CASE un'etichetta non pu\xC3\xB2 avere istruzioni sulla stessa riga "
    "(un caso si scrive CASE seguito dal valore): ";
const char* const kGotoOwnLabel =
    "Non \xC3\xA8 ammesso un GOTO a un'etichetta che inizia con '@', riservata al traduttore: ";

std::string Report(const char* message, const char* name) {
    return std::string(message) + name;
}

const Family kFamilies[] = {
    // NOT, arithmetic or a second value around INPUT(...) in a condition.
    {"InputLineCondition",
     "IF INPUT(A3) = 1 THEN Y = 2",
     {{"IF NOT INPUT(A3) = 1 THEN Y = 2", kInputCompare},
      {"IF INPUT(A0) * 2 = 1 THEN Y = 2", kInputCompare},
      {"IF INPUT(A3) 1 THEN Y = 2", kInputAlone},
      {"IF INPUT(B7) 0 THEN Y = 2", kInputAlone},
      {"IF INPUT(B5) 5 THEN Y = 2", kInputAlone},
      {"IF NOT(INPUT(B5)) THEN Y = 2", kInputAlone}}},
    {"InputPortCondition",
     "IF INPUT(B) > 100 THEN Y = 2",
     {{"IF INPUT(B) + 1 > 100 THEN Y = 2", kInputCompare},
      {"IF INPUT(B) >< 100 THEN Y = 2", kInputCompare},
      {"IF INPUT(B) 100 THEN Y = 2", kInputAlone},
      {"IF INPUT(B) > 0x3A MS THEN Y = 2", kInputCompare},
      {"DO WHILE INPUT(B) > &H80 + 1\nLOOP", kInputCompare}}},
    {"InputOnTheRight",
     "IF 5 >= INPUT(A) THEN Y = 2",
     {{"IF 5 => INPUT(A) THEN Y = 2", kInputCompare},
      {"IF X =< INPUT(A) THEN Y = 2", kInputCompare},
      {"IF X >=>= INPUT(A) THEN Y = 2", kInputCompare}}},
    {"FunctionInACondition",
     "IF GETDATA(3) THEN Y = 2",
     {{"IF NOT GETDATA(3) THEN Y = 2", kNoCompare},
      {"IF GETDATA(3), 4 THEN Y = 2", kNoCompare},
      {"IF GETDATA(5) 100 THEN Y = 2", kNoCompare}}},
    // A function form is the whole expression.
    {"FunctionAssignment",
     "X = READ(21)",
     {{"X = READ(21) + 1", kNoExpression},
      {"Y = DIV10(X) * 2", kNoExpression},
      {"Y = DIV10(X), 4", kNoExpression},
      {"X = GETDATA(1) + 1", kNoExpression},
      {"X = GETDATA(1) 5", kNoExpression},
      {"Z = DIV10R(M, 2)", "Argomento non valido per la funzione Div10r()"}}},
    // A literal is the whole number: what follows it is read, not dropped.
    {"LiteralAssignment",
     "X = 0x4A + 1",
     {{"X = B'011101' * 2", kNoExpression},
      {"X = B'011101' MS", kNoExpression},
      {"X = 0x4A 5", kNoExpression}}},
    // The direction is the one word INPUT or OUTPUT.
    {"ConfigDirection",
     "CONFIG A3 AS OUTPUT\nCONFIG B4 AS INPUT",
     {{"CONFIG A3 AS OUTPUT, B4 AS INPUT", kDirection},
      {"CONFIG A3 AS NOT INPUT", kDirection},
      {"CONFIG A3 AS INPUT 5", kDirection},
      {"CONFIG A3 AS INPUT, 4", kDirection}}},
    {"ReconfigDirection",
     "RECONFIG A3 AS INPUT",
     {{"RECONFIG A3 AS OUTPUT, B4 AS INPUT", kDirection},
      {"RECONFIG A3 AS IMPUT", kDirection},
      {"RECONFIG A3 AS INPTU", kDirection},
      {"RECONFIG A3 AS INGRESSO", kDirection},
      {"RECONFIG A3 AS OUPUT", kDirection},
      {"RECONFIG A3 AS USCITA", kDirection},
      {"RECONFIG B AS OUTPUT X", kDirection}}},
    {"SetAndReset",
     "SET B4\nRESET B5",
     {{"SET B4, B5", kLine},
      {"RESET B5, B0", kLine},
      {"SET A2 A1", kLine},
      {"SET XB2", kLine},
      {"RESET B4 CARRY", kLine}}},
    // The data EEPROM has the addresses 0 to 63.
    {"EepromAddress",
     "WRITE 41, 12, 62\nX = READ(63)",
     {{"WRITE 12, 64", kEeprom},
      {"WRITE 1, 2, 3, 62", kEeprom},
      {"WRITE 5, -1", kEeprom},
      {"WRITE 1000, 33", "Costante numerica non ammessa"},
      {"X = READ(64)", kEeprom},
      {"IF READ(100) > 5 THEN Y = 2", kEeprom}}},
    // A count is one number and nothing after it.
    {"WaitCount",
     "WAIT 127",
     {{"WAIT 127 MS", kWaitCount},
      {"WAIT 127MS", kWaitCount},
      {"WAIT 127O", kWaitCount},
      {"WAIT 1 27", kWaitCount}}},
    {"WaitCounters",
     "WAIT 5,90",
     {{"WAIT 5,90,4", "L'istruzione WAIT accetta al massimo due valori"}}},
    {"ShiftAndRotateCount",
     "ROTATE LEFT X, 3\nSHIFT RIGHT X, 3",
     {{"ROTATE LEFT X, 3O", "Indice di rotazione non valido"},
      {"SHIFT RIGHT X, 3MS", "Indice di shift non valido"},
      {"SHIFT RIGHT X, 3, 4", "Indice di shift non valido"}}},
    {"DataItems",
     "DATA 3, 7, 123\nDATA 1,2,",
     {{"DATA 3MS, 7", "Valore DATA non valido: 3MS"},
      {"DATA \"OK\", 3OO", "Valore DATA non valido: 3OO"},
      {"DATA 3 7, 123", "Valore DATA non valido: 3 7"},
      {"DATA -0x5A", "Valore DATA non valido: -&H5A"},
      {"DATA 3,, 7", "Valore DATA mancante"},
      {"DATA , 7", "Valore DATA mancante"}}},
    {"OutputValue",
     "OUTPUT B, 0x3A",
     {{"OUTPUT B, 0x3A 5", "Istruzione OUTPUT non riconosciuta"},
      {"OUTPUT B, 0x3AG", "Istruzione OUTPUT non riconosciuta"}}},
    {"WriteItems",
     "WRITE 41, 0x4A, 62",
     {{"WRITE 41, 0x4A 62", "Sintassi con riconoscita o non valida"},
      {"WRITE 41, , 62", kWriteItem},
      {"WRITE , 33", kWriteItem},
      {"WRITE X ,, 0", kWriteItem}}},
    {"CallArguments",
     "CALL AREA(1,2)\nCALL VOLUME(10, 20, 30)",
     {{"CALL AREA(1,2) 5", kCall}, {"CALL VOLUME(10, 20, 30), 4", kCall}}},
    {"ReconfigList",
     "RECONFIG A,B1,B7 AS INPUT",
     {{"RECONFIG ,B1,B7 AS INPUT", kReconfigList}, {"RECONFIG A,,B1 AS INPUT", kReconfigList}}},
    // Wherever a byte is used, a constant is one an assignment stores: -256
    // to 255, a negative one as its two's complement.
    {"ByteConstant",
     "DATA 255, -1, -256\nIF X > 255 THEN Y = 2\nDO WHILE X < -1\nLOOP\nSELECT CASE X\n"
     "CASE 255\nY = 1\nCASE 9 TO 255\nY = 2\nEND SELECT\nX = X + 255\nX = Y - -256\n"
     "Z = Y AND &HFF\nOUTPUT B, &HA0\nIF INPUT(B) > 255 THEN Y = 2\nX = 300 - 100",
     {{"IF X > 300 THEN Y = 2", kConstant},
      {"DO WHILE X < 1000\nLOOP", kConstant},
      {"SELECT CASE X\nCASE 256\nY = 1\nEND SELECT", kConstant},
      {"SELECT CASE X\nCASE 9 TO 300\nY = 1\nEND SELECT", kConstant},
      {"SELECT CASE X\nCASE 1, 300\nY = 1\nEND SELECT", kConstant},
      {"X = X + 256", kConstant},
      {"X = Y + 300", kConstant},
      {"X = Y - -257", kConstant},
      {"X = Y + 255,5", kConstant},
      {"Z = Y AND &H1FF", kConstant},
      {"Z = 256 OR Y", kConstant},
      {"OUTPUT B, &H3A0", kConstant},
      {"OUTPUT B, -257", kConstant},
      {"DATA 300", kConstant},
      {"DATA 1, B'0', 256", kConstant},
      {"IF INPUT(B) > 300 THEN Y = 2", kConstant},
      {"IF 1000 > INPUT(A) THEN Y = 2", kConstant},
      {"WRITE 256, 12", kConstant}}},
    // CASE ELSE opens no test: a case after it would run after its body.
    {"CaseElseLast",
     "SELECT CASE X\nCASE 1\nY=1\nCASE ELSE\nY=2\nEND SELECT",
     {{"SELECT CASE X\nCASE 1\nY=1\nCASE ELSE\nY=2\nCASE ELSE\nY=3\nEND SELECT", kElseNotLast},
      {"SELECT CASE X\nCASE ELSE\nY=2\nCASE 1\nY=1\nEND SELECT", kElseNotLast},
      {"SELECT CASE X\nCASE 1\nY=1\nCASE ELSE\nY=2\nCASE 3 TO 5\nY=3\nEND SELECT", kElseNotLast},
      {"SELECT CASE X\nCASE 1\nSELECT CASE Y\nCASE ELSE\nZ=1\nCASE IS > 2\nZ=2\nEND SELECT\n"
       "END SELECT",
       kElseNotLast}}},
    // A CONFIG or RECONFIG item is a port or a line and nothing else.
    {"ConfigItems",
     "CONFIG B0, B5 AS INPUT\nCONFIG B7 AS INPUT\nRECONFIG B0, B5 AS INPUT",
     {{"CONFIG B0, B5As Input", "Istruzione CONFIG errata"},
      {"CONFIG B7As Input", "Istruzione CONFIG errata"},
      {"CONFIG B0, B5AS AS INPUT", "Tipo di configurazione non ammessa"},
      {"CONFIG B7AS AS INPUT", "Istruzione non riconosciuta"},
      {"RECONFIG B0, B5As Input", "Controllore l'istruzione di riconfiggurazionePorta/Linea I/O"},
      {"RECONFIG B7As Input", "Controllore l'istruzione di riconfiggurazionePorta/Linea I/O"}}},
    // A one-line IF is the last statement of its line.
    {"OneLineIf",
     "IF X = 3 THEN Y = 9\nZ = 10\nIF X = 3 THEN Y = 9 ELSE Y = 1\nZ = 1: IF X = 3 THEN Y = 9",
     {{"IF X = 3 THEN Y = 9: Z = 10", kStatementAfterIf},
      {"IF X = 3 THEN Y = 9 ELSE Y = 1: Z = 10", kStatementAfterIf},
      {"Z = 1: IF X = 3 THEN Y = 9: Z = 10", kStatementAfterIf},
      {"IF X = 3 THEN GOTO FINE: FINE:", kStatementAfterIf}}},
    // A binary literal has only the digits 0 and 1.
    {"BinaryLiteral",
     "X = B'011010'\nX = B'01'\nX = B''",
     {{"X = B'011012'", kBinary},
      {"X = B'01 1101'", kBinary},
      {"X = B'1X1'", kBinary},
      {"X = B'0101 ' il valore", kBinary}}},
    // A label named CASE..., or one with a statement after it in a SELECT
    // CASE block, is a mistyped case line.
    {"CaseLabels",
     "SELECT CASE X\nCASE 1 : Y=1\nCASE ELSE : Y=5\nEND SELECT\nDEFAULT : Y=5",
     {{"SELECT CASE X\nCase1 : Y=1\nEND SELECT", Report(kLabelWord, "CASE1")},
      {"SELECT CASE X\nCASE 1 : Y=1\nCaseElse : Y=5\nEND SELECT", Report(kLabelWord, "CASEELSE")},
      {"SELECT CASE X\nCase\xC2\xA0"
       "1 : Y=1\nEND SELECT",
       Report(kLabelWord,
              "CASE\xC2\xA0"
              "1")},
      {"CASEOK:", Report(kLabelWord, "CASEOK")},
      {"SELECT CASE X\nCASE 1 : Y=1\nDefault : Y=5\nEND SELECT", Report(kLabelInSelect, "DEFAULT")},
      {"SELECT CASE X\nCASE 1\nSELECT CASE Y\nCASE 2 : Z=1\nEND SELECT\nALTRO: Y=5\nEND SELECT",
       Report(kLabelInSelect, "ALTRO")}}},
    // The labels that begin with "@" are the translator's own.
    {"GotoOwnLabel",
     "GOTO FINE\nFINE:",
     {{"GOTO @1", Report(kGotoOwnLabel, "@1")},
      {"GOTO @@GD", Report(kGotoOwnLabel, "@@GD")},
      {"IF X = 1 THEN GOTO @2", Report(kGotoOwnLabel, "@2")}}},
};

class WholeStatement : public ::testing::TestWithParam<Family> {};

TEST_P(WholeStatement, TheBaseTranslatesAndEverySlipIsRefused) {
    const Family& family = GetParam();
    tavolux::Translator t;
    const auto base = t.TranslateProgram(Program(family.base), "");
    EXPECT_FALSE(base.flagError) << family.base << "\n" << base.asmText;
    for (const Slip& slip : family.slips) {
        const auto r = t.TranslateProgram(Program(slip.typed), "");
        EXPECT_TRUE(r.flagError) << slip.typed;
        EXPECT_EQ(r.asmText.substr(0, r.asmText.find("\r\n")),
                  std::string("<*> ERRORE : ") + slip.report)
            << slip.typed;
        EXPECT_NE(r.asmText.find("\r\n---istruzione---\r\n"), std::string::npos) << slip.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(Families, WholeStatement, ::testing::ValuesIn(kFamilies),
                         [](const ::testing::TestParamInfo<Family>& info) {
                             return std::string(info.param.name);
                         });

// What follows a literal is read, not dropped: the sum is computed.
TEST(WholeStatement, ALiteralFollowedByASumIsTheSum) {
    const std::pair<const char*, const char*> cases[] = {
        {"X = 0x4A + 1", "        MovLW 0x4B\r\n        MovWF X\r\n"},
        {"X = ASC(\"A\") + 1", "        MovLW 0x42\r\n        MovWF X\r\n"},
        {"X = B'011101' - 1", "        MovLW 0x1C\r\n        MovWF X\r\n"},
    };
    tavolux::Translator t;
    for (const auto& [statement, lines] : cases) {
        const auto r = t.TranslateProgram(Program(statement), "");
        EXPECT_FALSE(r.flagError) << statement << "\n" << r.asmText;
        EXPECT_NE(r.asmText.find(lines), std::string::npos) << statement << "\n" << r.asmText;
    }
}

// The literals of a line are read as such before a string or a comment, and
// ASC('B') is a character: each typed line translates as the line written
// with the plain number.
TEST(WholeStatement, LiteralsBeforeAStringOrACommentAreRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"X = ASC('B')", "X = 66"},
        {"X = ASC('b')", "X = 66"},
        {"X = ASC('B') + 1", "X = 66 + 1"},
        {"WRITE B'0101', \"OK\", 3", "WRITE 5, \"OK\", 3"},
        {"DATA B'0101', \"OK\"\nX = GETDATA(7)", "DATA 5, \"OK\"\nX = GETDATA(7)"},
        {"X = B'0101'   ' il valore \"5\"", "X = 5"},
        {"X = ASC('B') ' vale \"B\"", "X = 66"},
        {"WRITE ASC('x'), \"y\", 3", "WRITE 88, \"y\", 3"},
        {"X = 5 ' un commento con ASC( e B'2", "X = 5"},
    };
    tavolux::Translator t;
    for (const auto& [typed, plain] : cases) {
        const auto r = t.TranslateProgram(Program(typed), "");
        const auto base = t.TranslateProgram(Program(plain), "");
        EXPECT_FALSE(r.flagError) << typed << "\n" << r.asmText;
        EXPECT_FALSE(base.flagError) << plain << "\n" << base.asmText;
        EXPECT_EQ(r.asmText, base.asmText) << typed;
    }
}

// Whole programs, for the statements that only a program can hold.
struct ProgramCase {
    const char* program;
    const char* report;  // nullptr: the program translates
};

TEST(WholeStatement, DefinitionsLabelsAndNamesAreReadWhole) {
    const ProgramCase cases[] = {
        // A CASE with its colon: "CASE" is no label.
        {"DIM X, Y AS BYTE\nSELECT CASE X\nCASE 1 : Y=1\nCASE 2 : Y=2\nEND SELECT\nEND", nullptr},
        {"DIM X, Y AS BYTE\nSELECT CASE X\nCASE 1 : Y=1\nCASE : Y=2\nEND SELECT\nEND",
         "Nome di etichetta non ammesso: CASE"},
        {"DIM X, Y AS BYTE\nSELECT CASE X\nCASE 1 : Y=1\nCASE: ELSE\nY = 3\nEND SELECT\nEND",
         "Nome di etichetta non ammesso: CASE"},
        {"DIM X AS BYTE\nX = 1\nSTOP: X = 2\nEND", "Nome di etichetta non ammesso: STOP"},
        // Inside an ASM block a label is the assembler's.
        {"ASM{\nLOOP: NOP\nGOTO LOOP\n}\nEND", nullptr},
        // A definition names something and gives it a text.
        {"SYMBOL CONTA = 5\nEND", nullptr},
        {"SYMBOL = CONTA\nEND", kConst},
        {"CONST A1 =\nEND", kConst},
        {"CONST V = -&H1F\nDATA V\nEND", "Valore DATA non valido: -&H1F"},
        // The SUB header ends with its parameters.
        {"DIM LATOX, LATOY, X AS BYTE\nEND\nSUB AREA(LATOX, LATOY) X\nEND SUB",
         "Controllare la definizione della subroutine"},
        // The language's own words are no variables.
        {"DIM RND1, X AS BYTE\nRND1 = 5 : X = RND1\nEND", nullptr},
        {"DIM RND, X AS BYTE\nRND = 5 : X = RND\nEND", kReserved},
        {"DIM FLAG_ZERO AS BYTE\nEND", kReserved},
        {"DIM FLAG_CARRY AS BYTE\nEND", kReserved},
        {"DIM CONST AS BYTE\nEND", kReserved},
        {"DIM NEXT AS BYTE\nNEXT = 5\nEND", kReserved},
        {"DIM WAIT AS BYTE\nEND", kReserved},
        {"DIM X, GETDATA AS BYTE\nEND", kReserved},
        // A relative jump is "$" and a count.
        {"GOTO $-1\nEND", nullptr},
        {"GOTO $-1 X\nEND", "Etichetta non definita: $-1 X"},
    };
    tavolux::Translator t;
    for (const ProgramCase& c : cases) {
        const auto r = t.TranslateProgram(ToCrLf(std::string(c.program) + "\n"), "");
        if (c.report == nullptr) {
            EXPECT_FALSE(r.flagError) << c.program << "\n" << r.asmText;
        } else {
            EXPECT_EQ(r.asmText.substr(0, r.asmText.find("\r\n")),
                      std::string("<*> ERRORE : ") + c.report)
                << c.program;
        }
    }
}

// In inline assembly a name of PIC16F84.DEF, typed in any letter case, is
// written as the equates text spells it, so that the assembler knows it; a
// variable of the program keeps its name.
TEST(WholeStatement, InlineAssemblyNamesTheEquatesAsTheyAreSpelled) {
    tavolux::Translator t;
    const auto r = t.TranslateProgram(ToCrLf("DIM REG_TMR0 AS BYTE\n"
                                             "ASM( BSF Reg_Status , Bit_5 )\n"
                                             "ASM( bcf reg_status2 , BIT_5 )\n"
                                             "ASM( MOVF Reg_Tmr0 , W )\n"
                                             "ASM{ movf reg_portb , w\n"
                                             "     BTFSC Reg_Status , Flag_Z }\n"
                                             "END\n"),
                                      "");
    ASSERT_FALSE(r.flagError) << r.asmText;
    for (const char* line :
         {"        BSF Reg_Status , Bit_5\r\n", "        BCF Reg_Status2 , Bit_5\r\n",
          "        MOVF REG_TMR0 , W\r\n", "        MOVF Reg_PortB , W\r\n",
          "        BTFSC Reg_Status , Flag_Z\r\n"}) {
        EXPECT_NE(r.asmText.find(line), std::string::npos) << line;
    }
    const auto assembly = tavolux::testing::Assemble(r.asmText);
    EXPECT_TRUE(assembly.ok) << assembly.messages;
}

// ---- the slip generator -------------------------------------------------

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Where the statements of a source line end: before a comment, and before
// each colon of a line with several statements.
std::vector<size_t> StatementEnds(const std::string& line) {
    std::vector<size_t> ends;
    const auto endBefore = [&line](size_t at) {
        while (at > 0 && line[at - 1] == ' ') --at;
        return at;
    };
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            const size_t close = line.find('"', i + 1);
            if (close == std::string::npos) break;
            i = close;
        } else if (c == '\'') {
            const bool binary = i > 0 && (line[i - 1] == 'B' || line[i - 1] == 'b') &&
                                (i < 2 || !IsWordCharacter(line[i - 2]));
            const bool character = i >= 4 && Upper(line.substr(i - 4, 4)) == "ASC(";
            if (!binary && !character) {
                ends.push_back(endBefore(i));
                return ends;
            }
            const size_t close = line.find('\'', i + 1);
            if (close == std::string::npos) break;
            i = close;
        } else if (c == ':') {
            ends.push_back(endBefore(i));
        }
    }
    ends.push_back(endBefore(line.size()));
    return ends;
}

// The statement that ends at `end`: from the last colon before it.
std::string StatementBefore(const std::string& line, size_t end) {
    const size_t colon = line.rfind(':', end == 0 ? 0 : end - 1);
    const size_t from = colon == std::string::npos || colon >= end ? 0 : colon + 1;
    std::string s = Upper(line.substr(from, end - from));
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

bool BeginsWithWord(const std::string& s, const std::string& word) {
    return s.rfind(word, 0) == 0 && (s.size() == word.size() || s[word.size()] == ' ');
}

// The slips of one source line, each the whole line as it would be typed.
// Slips that make another valid statement are left out: one more item of a
// list (DATA, WRITE, CASE), the count of a WAIT, SHIFT or ROTATE that had
// none, and the count of a bare WAIT.
std::vector<std::string> Slips(const std::string& line) {
    std::vector<std::string> out;
    for (const size_t end : StatementEnds(line)) {
        const std::string statement = StatementBefore(line, end);
        if (statement.empty()) continue;
        const bool list = BeginsWithWord(statement, "DATA") || BeginsWithWord(statement, "WRITE") ||
                          BeginsWithWord(statement, "CASE");
        const bool counted = BeginsWithWord(statement, "WAIT") ||
                             BeginsWithWord(statement, "SHIFT") ||
                             BeginsWithWord(statement, "ROTATE");
        const bool hasCount = statement.find(',') != std::string::npos;
        std::vector<std::string> tails = {" MS", ")"};
        if (statement != "WAIT") tails.insert(tails.end(), {" X", " 5"});
        if (!list && !(counted && !hasCount)) tails.push_back(", 4");
        std::vector<size_t> points = {end};
        const size_t then = Upper(line).rfind(" THEN", end);
        if (then != std::string::npos && then + 5 == end) points.push_back(then);
        for (const size_t at : points) {
            for (const std::string& tail : tails) {
                out.push_back(line.substr(0, at) + tail + line.substr(at));
            }
        }
    }
    // An operator typed twice.
    const std::string upper = Upper(line);
    const size_t code = StatementEnds(line).back();
    for (size_t i = 0; i < code; ++i) {
        if (upper[i] == '"') {
            const size_t close = upper.find('"', i + 1);
            if (close == std::string::npos) break;
            i = close;
        } else if (std::string_view("+-*/=<>").find(upper[i]) != std::string_view::npos) {
            out.push_back(line.substr(0, i + 1) + line[i] + line.substr(i + 1));
            break;
        }
    }
    // NOT before a function.
    for (const char* function : {"INPUT(", "READ(", "GETDATA(", "DIV10(", "DIV10R(", "RND"}) {
        const size_t at = upper.find(function);
        if (at != std::string::npos && at < code && (at == 0 || !IsWordCharacter(upper[at - 1]))) {
            out.push_back(line.substr(0, at) + "NOT " + line.substr(at));
            break;
        }
    }
    return out;
}

std::vector<std::string> SourceLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Every statement of every translator case that translates, with each slip:
// refused, or the text it came from. Inline assembly is the assembler's and
// CONST and SYMBOL texts are pieces of other statements, so their lines are
// left out.
TEST(WholeStatement, TheUsualSlipsInEveryCaseAreRefusedOrChangeNothing) {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(TAVOLUX_CASES_DIR)) {
        if (entry.path().extension() == ".bas") cases.push_back(entry.path());
    }
    std::sort(cases.begin(), cases.end());
    ASSERT_FALSE(cases.empty());

    tavolux::Translator t;
    int variants = 0;
    for (const fs::path& file : cases) {
        const std::vector<std::string> lines = SourceLines(ReadFile(file.string()));
        const auto base = t.TranslateProgram(Joined(lines), "");
        if (base.flagError) continue;
        bool inAsmBlock = false;
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string statement = Upper(lines[i]);
            statement.erase(0, statement.find_first_not_of(' '));
            const bool asmText = inAsmBlock || statement.rfind("ASM", 0) == 0;
            if (statement.rfind("ASM{", 0) == 0 || inAsmBlock) {
                const size_t last = statement.find_last_not_of(' ');
                inAsmBlock = last == std::string::npos || statement[last] != '}';
            }
            if (asmText || BeginsWithWord(statement, "CONST") ||
                BeginsWithWord(statement, "SYMBOL")) {
                continue;
            }
            for (const std::string& slip : Slips(lines[i])) {
                std::vector<std::string> changed = lines;
                changed[i] = slip;
                const auto r = t.TranslateProgram(Joined(changed), "");
                ++variants;
                EXPECT_TRUE(r.flagError || r.asmText == base.asmText)
                    << file.filename().string() << " line " << i + 1 << ": " << slip;
            }
        }
    }
    EXPECT_GT(variants, 0);
}

}  // namespace
