// Assignments translated one line at a time, with the variable table filled
// by hand: X, Y, Z are bytes, F is a SINGLE and N an INTEGER; the DATA area
// holds ten values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basic_text.h"
#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::Translator;
using tavolux::TranslatorState;
using tavolux::TranslatorTestAccess;

struct AssignCase {
    const char* statement;
    std::vector<std::string> lines;  // the instructions, without mark and indent
    const char* error = nullptr;     // the message that refuses the statement instead
    friend void PrintTo(const AssignCase& c, std::ostream* os) { *os << c.statement; }
};

class AssignmentFixture {
  public:
    AssignmentFixture() : access_(translator_) {
        access_.ResetRun();
        auto& s = access_.State();
        s.FAT = {{"X", "BYTE", "1"},
                 {"Y", "BYTE", "1"},
                 {"Z", "BYTE", "1"},
                 {"F", "SINGLE", "4"},
                 {"N", "INTEGER", "2"}};
        s.ArrayDATA = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    }

    // Puts the statement between two other lines and translates it.
    void Translate(const std::string& statement) {
        auto& s = access_.State();
        s.ArrayInput.Clear();
        s.ArrayInput.Append("BEFORE");
        s.ArrayInput.Append(statement);
        s.ArrayInput.Append("AFTER");
        access_.TranslateAssignment(2, tavolux::text::InStr(statement, "="));
    }

    // The lines between the two neighbours.
    std::vector<std::string> Result() {
        auto& s = access_.State();
        std::vector<std::string> out;
        for (int k = 2; k < s.NoInput(); ++k) out.push_back(s.ArrayInput[k]);
        return out;
    }

    TranslatorState& State() { return access_.State(); }

  private:
    Translator translator_;
    TranslatorTestAccess access_;
};

class Assignment : public ::testing::TestWithParam<AssignCase> {};

TEST_P(Assignment, TranslatesOrRefuses) {
    const AssignCase& c = GetParam();
    AssignmentFixture f;
    f.Translate(c.statement);
    if (c.error != nullptr) {
        EXPECT_EQ(f.State().AsmText, std::string("<*> ERRORE : ") + c.error +
                                         "\r\n---istruzione---\r\n" + c.statement);
        return;
    }
    EXPECT_FALSE(f.State().Flag_Error) << f.State().AsmText;
    std::vector<std::string> expected;
    for (const std::string& line : c.lines) expected.push_back("A>        " + line);
    EXPECT_EQ(f.Result(), expected);
    EXPECT_EQ(f.State().ArrayInput[1], "BEFORE");
    EXPECT_EQ(f.State().ArrayInput[f.State().NoInput()], "AFTER");
}

const char* const kUndefined = "Variabile non definita";
const char* const kBadConstant = "Costante numerica non ammessa";
const char* const kDataIndex = "Indice della funzione GetDATA() fuori range.";
const char* const kBadPort = "Indicazione di Porta I/O non valida";
const char* const kNoExpression = "Variabile o Espressione algebrica non definita";

INSTANTIATE_TEST_SUITE_P(
    Constants, Assignment,
    ::testing::Values(
        AssignCase{"X = 0", {"CLRF X"}}, AssignCase{"X = 1", {"MOVLW 0x01", "MOVWF X"}},
        AssignCase{"X = 255", {"MOVLW 0xFF", "MOVWF X"}},
        AssignCase{"X = -1", {"MOVLW 0xFF", "MOVWF X"}}, AssignCase{"X = -256", {"CLRF X"}},
        AssignCase{"X = &H1F", {"MOVLW 0x1F", "MOVWF X"}}, AssignCase{"X = 256", {}, kBadConstant},
        AssignCase{"X = -257", {}, kBadConstant}, AssignCase{"X = 99999999", {}, kBadConstant},
        // One leading "+" goes; the number test ignores the blank.
        AssignCase{"X = +5", {"MOVLW 0x05", "MOVWF X"}},
        AssignCase{"X = + 5", {"MOVLW 0x05", "MOVWF X"}},
        // A multi-byte target gets its first byte only.
        AssignCase{"F = 5", {"MOVLW 0x05", "MOVWF F"}}, AssignCase{"N = 300", {}, kBadConstant},
        AssignCase{"X = 1.5", {}, "Assegnazione floating non valida"},
        // The first comma of a number is its decimal point.
        AssignCase{"X = 1,5", {}, "Assegnazione floating non valida"},
        AssignCase{"X = Y + 1,5", {"MOVLW 0x02", "ADDWF Y , W", "MOVWF X"}},
        AssignCase{"N = .5", {}, "Assegnazione floating non valida"},
        // Not numbers for the number test.
        AssignCase{"F = 0.5", {}, kNoExpression}, AssignCase{"Q = 1", {}, kUndefined}));

INSTANTIATE_TEST_SUITE_P(
    VariablesAndFlags, Assignment,
    ::testing::Values(AssignCase{"X = Y", {"MOVF Y , W", "MOVWF X"}},
                      AssignCase{"X = +Y", {"MOVF Y , W", "MOVWF X"}},
                      AssignCase{"X = + Y", {}, kNoExpression},
                      AssignCase{"X = RND", {"Movf Reg_Tmr0 , W", "Movwf X"}},
                      AssignCase{"X = RND()", {"Movf Reg_Tmr0 , W", "Movwf X"}},
                      AssignCase{"X = FLAG_CARRY",
                                 {"CLRF X", "BTFSC Reg_Status , Flag_C", "INCF X , F"}},
                      AssignCase{"X = FLAG_ZERO",
                                 {"MOVLW 0", "BTFSC Reg_Status , Flag_Z", "MOVLW 0x01", "MOVWF X"}},
                      AssignCase{"W#D1 = Y", {"MOVF Y , W", "MOVWF W#D1"}}));

INSTANTIATE_TEST_SUITE_P(
    SumsAndDifferences, Assignment,
    ::testing::Values(
        AssignCase{"X = Y + Z", {"MOVF Z , W", "ADDWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y - Z", {"MOVF Z , W", "SUBWF Y , W", "MOVWF X"}},
        AssignCase{"X = 1 + X", {"MOVLW 0x01", "ADDWF X , F"}},
        AssignCase{"X = 10 - X", {"MOVF X , W", "SUBLW 0x0A", "MOVWF X"}},
        AssignCase{"X = 10 - Y", {"MOVF Y , W", "SUBLW 0x0A", "MOVWF X"}},
        AssignCase{"X = 10 + Y", {"MOVLW 0x0A", "ADDWF Y , W", "MOVWF X"}},
        AssignCase{"X = X + 1", {"INCF X , F"}},
        AssignCase{"X = X - 1", {"MOVLW 0x01", "SUBWF X , F"}},
        AssignCase{"X = X + 2", {"MOVLW 0x02", "ADDWF X , F"}},
        AssignCase{"X = Y + 1", {"MOVLW 0x01", "ADDWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y - 1", {"MOVLW 0x01", "SUBWF Y , W", "MOVWF X"}},
        // An operand constant is a byte, as in a plain assignment: -256 to
        // 255, a negative one standing for its two's complement.
        AssignCase{"X = Y + 255", {"MOVLW 0xFF", "ADDWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y - 255,4", {"MOVLW 0xFF", "SUBWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y + 300", {}, kBadConstant}, AssignCase{"X = X + 256", {}, kBadConstant},
        AssignCase{"X = 256 + Y", {}, kBadConstant}, AssignCase{"X = 1000 - Y", {}, kBadConstant},
        AssignCase{"X = Y + &HFFFF", {}, kBadConstant},
        AssignCase{"X = Y + 99999", {}, kBadConstant},
        AssignCase{"X = 3 + 4", {"MovLW 0x07", "MovWF X"}}, AssignCase{"X = 5 - 5", {"CLRF X"}},
        AssignCase{"X = 3 - 5", {"MovLW 0xFE", "MovWF X"}},
        AssignCase{"X = 200 + 100", {}, kBadConstant}, AssignCase{"X = Q + 1", {}, kUndefined},
        AssignCase{"X = Q + Y", {}, kUndefined}, AssignCase{"X = Y + Q", {}, kUndefined},
        AssignCase{"X = 1 + Q", {}, kUndefined}, AssignCase{"X = -Y", {}, kUndefined},
        AssignCase{"X = Y * Z", {}, kNoExpression}, AssignCase{"X = Y / Z", {}, kNoExpression},
        AssignCase{"X = Y * Z / X", {}, "Espressione algebrica complessa"},
        AssignCase{"X = Y + Z - X", {}, "Struttura algebrica complessa"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, Assignment,
    ::testing::Values(
        AssignCase{"X = DIV10(Y)", {"MOVF Y , W", "CALL @@DV10", "MOVWF X"}},
        AssignCase{"X = DIV10( Y )", {"MOVF Y , W", "CALL @@DV10", "MOVWF X"}},
        // A function form is the whole expression.
        AssignCase{"X = DIV10( Y ) + 1", {}, kNoExpression},
        AssignCase{"W#D1 = DIV10(Y)", {"MOVF Y , W", "CALL @@DV10", "MOVWF W#D1"}},
        AssignCase{"X = DIV10()", {}, "La funzione Div10() richiede una variabile come argomento"},
        AssignCase{"X = DIV10(5)", {}, "La funzione Div10() richiede una variabile come argomento"},
        AssignCase{"X = DIV10R()", {"CALL @@DV10C", "MOVWF X"}},
        AssignCase{"X = GETDATA(3)", {"MOVLW 0x03", "CALL @@GD", "MOVWF X"}},
        AssignCase{"X = GETDATA(10)", {"MOVLW 0x0A", "CALL @@GD", "MOVWF X"}},
        AssignCase{"X = GETDATA(0)", {}, kDataIndex},
        AssignCase{"X = GETDATA(251)", {}, kDataIndex},
        // Past the last of the ten values the table's jump would land in code.
        AssignCase{"X = GETDATA(11)", {}, kDataIndex},
        AssignCase{"X = GETDATA(200)", {}, kDataIndex},
        AssignCase{"X = GETDATA(Y)",
                   {"MovLW 0x0B", "SubWF Y , W", "BTFSS Reg_Status, Flag_C", "Goto $+3", "CLRW",
                    "Goto $+4", "MOVF Y , W", "BTFSS Reg_Status, Flag_Z", "CALL @@GD", "MOVWF X"}},
        AssignCase{"X = GETDATA()", {}, "La funzione GetData() richiede un argomento numerico"},
        AssignCase{"X = GETDATA(Q)", {}, "Assegnazione GetData() non riconosciuta"},
        AssignCase{"X = READ(0)", {"MOVLW 0", "CALL @@RD", "MOVWF X"}},
        // The data EEPROM has the addresses 0 to 63.
        AssignCase{"X = READ(63)", {"MOVLW 0x3F", "CALL @@RD", "MOVWF X"}},
        AssignCase{
            "X = READ(300)", {}, "Indirizzo della memoria EEPROM fuori dall'intervallo 0-63"},
        AssignCase{"X = READ(Y)", {"MOVF Y , W", "CALL @@RD", "MOVWF X"}},
        AssignCase{"X = READ()", {}, "La funzione Read() richiede un argomento"},
        AssignCase{"X = READ(Q)", {}, "Sintassi non riconosciuta"},
        AssignCase{"X = INPUT(B)", {"MOVF Reg_PortB , W", "MOVWF X"}},
        AssignCase{"X = INPUT( A )", {"MOVF Reg_PortA , W", "MOVWF X"}},
        AssignCase{"X = INPUT(A3)", {"CLRF X", "BTFSC Reg_PortA , Bit_3", "INCF X , F"}},
        AssignCase{"X = INPUT(B7)", {"CLRF X", "BTFSC Reg_PortB , Bit_7", "INCF X , F"}},
        AssignCase{"X = INPUT()", {}, "La funzione Input() richiede un argomento, controllare"},
        AssignCase{"X = INPUT(A5)", {}, kBadPort}, AssignCase{"X = INPUT(C)", {}, kBadPort},
        AssignCase{"X = INPUT(A) + 1", {}, kBadPort}));

TEST(AssignmentGetData, RefusedInAProgramWithoutData) {
    AssignmentFixture f;
    f.State().ArrayDATA.clear();
    f.Translate("X = GETDATA(Y)");
    EXPECT_EQ(f.State().AsmText,
              "<*> ERRORE : La funzione GetData() non pu\xF2 essere usata senza la definizione "
              "dell'istruzione DATA.\r\n---istruzione---\r\nX = GETDATA(Y)");
}

TEST(AssignmentGetData, ConstantIndexUpToTheLastValue) {
    AssignmentFixture f;
    f.State().ArrayDATA.assign(250, 7);
    f.Translate("X = GETDATA(250)");
    EXPECT_FALSE(f.State().Flag_Error) << f.State().AsmText;
    EXPECT_EQ(f.Result().front(), "A>        MOVLW 0xFA");
}

// Both divide forms need the routines, and the routines' three work bytes
// must be declared before the equates are written.
TEST(AssignmentLibrary, DivideFormsDeclareTheWorkBytesAndSetTheFlags) {
    for (const char* statement : {"X = DIV10(Y)", "X = DIV10R()"}) {
        SCOPED_TRACE(statement);
        AssignmentFixture f;
        f.Translate(statement);
        const auto& s = f.State();
        EXPECT_TRUE(s.Flag_Library);
        EXPECT_TRUE(s.Flag_Div10);
        EXPECT_FALSE(s.Flag_EepromRead);
        ASSERT_EQ(s.NoFAT(), 8);
        EXPECT_EQ(s.FAT[5].name, "W#D1");
        EXPECT_EQ(s.FAT[6].name, "W#D2");
        EXPECT_EQ(s.FAT[7].name, "W#D3");
        EXPECT_EQ(s.DynVarPool,
                  std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"));
    }
}

TEST(AssignmentLibrary, ReadAndGetDataSetTheirFlags) {
    AssignmentFixture f;
    f.Translate("X = READ(Y)");
    EXPECT_TRUE(f.State().Flag_Library);
    EXPECT_TRUE(f.State().Flag_EepromRead);
    EXPECT_FALSE(f.State().Flag_Div10);

    AssignmentFixture g;
    g.Translate("X = GETDATA(Y)");
    EXPECT_TRUE(g.State().Flag_Library);
    EXPECT_FALSE(g.State().Flag_EepromRead);
    EXPECT_FALSE(g.State().Flag_Div10);
    EXPECT_EQ(g.State().NoFAT(), 5);
}

// Bit-by-bit operators, one per statement. A number on the left of a
// variable changes places with it; two numbers are combined in the target.
INSTANTIATE_TEST_SUITE_P(
    Logical, Assignment,
    ::testing::Values(
        AssignCase{"X = Y AND 15", {"MOVLW 0x0F", "ANDWF Y , W", "MOVWF X"}},
        AssignCase{"X = 15 AND Y", {"MOVLW 0x0F", "ANDWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y OR Z", {"MOVF Y , W", "IORWF Z , W", "MOVWF X"}},
        AssignCase{"X = Y XOR Z", {"MOVF Y , W", "XORWF Z , W", "MOVWF X"}},
        AssignCase{"X = 3 XOR 5", {"MOVLW 0x03", "MOVWF X", "MOVLW 0x05", "XORWF X , F"}},
        AssignCase{"X = Y AND 0", {"MOVLW 0", "ANDWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y AND -256", {"MOVLW 0x00", "ANDWF Y , W", "MOVWF X"}},
        AssignCase{"X = Y AND 256", {}, kBadConstant},
        AssignCase{"X = Y AND &H1FF", {}, kBadConstant},
        AssignCase{"X = 300 OR Y", {}, kBadConstant}, AssignCase{"X = 3 XOR 300", {}, kBadConstant},
        AssignCase{"X = Y OR -1", {"MOVLW 0xFF", "IORWF Y , W", "MOVWF X"}},
        AssignCase{"X = NOT(X)", {"COMF X , F"}}, AssignCase{"X = NOT( X )", {"COMF X , F"}},
        AssignCase{"X = NOT(Y)", {"COMF Y , W", "MOVWF X"}},
        AssignCase{"X = NOT(5)", {"MOVLW 0x05", "MOVWF X", "COMF X , F"}},
        AssignCase{"X = NOT(0)", {"MOVLW 0", "MOVWF X", "COMF X , F"}},
        AssignCase{"X = NOT(256)", {}, "Costante numerica troppo alta"},
        AssignCase{"X = NOT(-1)", {}, "Costante numerica troppo alta"},
        AssignCase{"X = Y AND Q", {}, "Errore di sintassi"},
        AssignCase{"X = Y AND Z AND X", {}, "Errore di sintassi"},
        AssignCase{"X = NOT(Q)", {}, "Errore di sintassi"},
        AssignCase{"X = NOT(Y) AND Z", {}, "Controllare l'istruzione"},
        // A parameter assignment of a CALL keeps the blank after the comma.
        AssignCase{" X =  Y AND 1", {"MOVLW 0x01", "ANDWF Y , W", "MOVWF X"}},
        AssignCase{" X = NOT(X)", {"COMF X , F"}}, AssignCase{"X = Y AND 99999", {}, kBadConstant},
        AssignCase{"Q = Y AND Z", {}, kUndefined}));

// ---- the library routines and the DATA table -----------------------------

class LibraryFixture : public ::testing::Test {
  protected:
    LibraryFixture() : access_(translator_) { access_.ResetRun(); }

    // The first line of every routine written, in order.
    std::vector<std::string> Entries() {
        std::vector<std::string> out;
        const std::string& text = access_.State().AsmText;
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t end = text.find("\r\n", pos);
            const std::string line = text.substr(pos, end - pos);
            if (line.rfind("@@", 0) == 0) out.push_back(line.substr(0, line.find(':')));
            pos = end + 2;
        }
        return out;
    }

    Translator translator_;
    TranslatorTestAccess access_;
};

TEST_F(LibraryFixture, RoutinesComeInTheirOwnOrderOnlyWhenAsked) {
    auto& s = access_.State();
    access_.WriteLibraryRoutines();
    EXPECT_EQ(s.AsmText, "");

    // The flags without Flag_Library write nothing.
    s.Flag_EepromWrite = s.Flag_EepromRead = s.Flag_Div10 = true;
    access_.WriteLibraryRoutines();
    EXPECT_EQ(s.AsmText, "");

    s.Flag_Library = true;
    s.Flag_EepromRead = false;
    access_.WriteLibraryRoutines();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"@@WRT", "@@DV10", "@@DV10C"}));

    s.AsmText.clear();
    s.Flag_EepromWrite = false;
    s.Flag_EepromRead = true;
    s.Flag_Div10 = false;
    access_.WriteLibraryRoutines();
    EXPECT_EQ(Entries(), (std::vector<std::string>{"@@RD"}));
}

TEST_F(LibraryFixture, DivideRoutineUsesTheLowestFreeTemporariesAndGivesThemBack) {
    auto& s = access_.State();
    s.Flag_Library = s.Flag_Div10 = true;
    access_.WriteLibraryRoutines();
    EXPECT_EQ(s.AsmText,
              "@@DV10: Movwf W#D2\r\n"
              "        Clrf  W#D1\r\n"
              "        Movlw 0xA0\r\n"
              "        Movwf W#D3\r\n"
              "        Movf  W#D3 , W\r\n"
              "        Subwf W#D2 , W\r\n"
              "        BTFSS Reg_Status , Flag_C\r\n"
              "        Goto  $+2\r\n"
              "        Movwf W#D2\r\n"
              "        RLF W#D1 , F\r\n"
              "        RRF W#D3 , F\r\n"
              "        BTFSS W#D3, Bit_0\r\n"
              "        Goto $-8\r\n"
              "        Movf W#D1 , W\r\n"
              "        Return\r\n"
              "@@DV10C: Movf W#D2 , W\r\n"
              "        Return\r\n");
    EXPECT_EQ(s.DynVarPool,
              std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"));
}

TEST_F(LibraryFixture, DataTableHasOneReturnPerValueAndOnlyWithValues) {
    auto& s = access_.State();
    access_.WriteDataTable();
    EXPECT_EQ(s.AsmText, "");
    s.ArrayDATA = {0, 255, 300, -1};
    access_.WriteDataTable();
    EXPECT_EQ(s.AsmText,
              "@@GD:   CLRF Reg_Pclath\r\n"
              "        ADDLW 3\r\n"
              "        ADDwf Reg_Pcl, W\r\n"
              "        BTFSC Reg_Status, Bit_0\r\n"
              "        Incf  Reg_Pclath , F\r\n"
              "        MOVWF Reg_Pcl\r\n"
              "        NOP\r\n"
              "        RETLW 0\r\n"
              "        RETLW 0xFF\r\n"
              "        RETLW 0x2C\r\n"
              "        RETLW 0xFF\r\n");
}

}  // namespace
