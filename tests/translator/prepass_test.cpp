// The source pre-pass: what the line store holds after it, and its reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "translator.h"

namespace {

using Lines = std::vector<std::string>;

std::string Join(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

struct PrepassRun {
    Lines slots;
    std::string report;  // the assembly text: the error reports
    bool error = false;
};

PrepassRun Preprocess(std::string_view basicText) {
    tavolux::Translator translator;
    PrepassRun run;
    run.slots = translator.PreprocessOnly(basicText);
    run.report = translator.State().AsmText;
    run.error = translator.State().Flag_Error;
    return run;
}

// The slots one source line gives, in a program that ends well.
struct NormalCase {
    const char* line;
    Lines slots;
};

void ExpectSlots(const std::vector<NormalCase>& cases) {
    for (const NormalCase& c : cases) {
        const PrepassRun run = Preprocess(Join({c.line, "END"}));
        Lines expected = c.slots;
        expected.push_back("END");
        EXPECT_FALSE(run.error) << c.line << "\n" << run.report;
        EXPECT_EQ(run.slots, expected) << "source line: " << c.line;
    }
}

TEST(Prepass, CommentsCaseAndBlanks) {
    ExpectSlots({
        {"   x = 5   ' set x", {"X = 5"}},
        {"' note", {}},
        {"   ' indented note", {}},
        {"", {}},
        {"      ", {}},
        {"x\t=\t5", {"X = 5"}},
        {"\t' note after a tab", {}},
        {"x   =    5", {"X = 5"}},
        {"citt\xC3\xA0 = 1", {"CITT\xC0 = 1"}},
        {"endif", {"END IF"}},
        {"EndIf", {"END IF"}},
    });
}

TEST(Prepass, StringLiteralsStayAsWritten) {
    ExpectSlots({
        {"write \"Ciao  Mondo\", 0", {"WRITE \"Ciao  Mondo\", 0"}},
        {"write   \"a\"  ,  \"b  c\"", {"WRITE \"a\" , \"b  c\""}},
        {"write \"l'ora\", 0", {"WRITE \"l'ora\", 0"}},
        {"write \"l'ora\", 0   ' nota", {"WRITE \"l'ora\", 0"}},
        {"write \"10:30\", 0", {"WRITE \"10:30\", 0"}},
        {"write \"(\", 0", {"WRITE \"(\", 0"}},
        {"write \")x(\", 0", {"WRITE \")x(\", 0"}},
        {"write \"perch\xC3\xA8\", 0", {"WRITE \"perch\xE8\", 0"}},
        // The literal rules and the noise words do not reach into literals.
        {"WRITE \"B'1'\", 0", {"WRITE \"B'1'\", 0"}},
        {"WRITE \"ASC(1)\", 0", {"WRITE \"ASC(1)\", 0"}},
        {"WRITE \"A 0X1\", 0", {"WRITE \"A 0X1\", 0"}},
        {"WRITE \"THE PORT IS\", 0", {"WRITE \"THE PORT IS\", 0"}},
        {"WRITE \"NEW LINE HERE\", 0", {"WRITE \"NEW LINE HERE\", 0"}},
        {"WRITE \"IF A THEN B ELSE C\", 0", {"WRITE \"IF A THEN B ELSE C\", 0"}},
        // An apostrophe that starts no literal starts the comment, which may
        // hold quotes; the apostrophes of binary and character literals do
        // not, before a string or a comment as anywhere else.
        {"x = 1 ' say \"hi", {"X = 1"}},
        {"write \"a\", 0 ' nota \"x", {"WRITE \"a\", 0"}},
        {"X = B'0101'   ' il valore \"5\"", {"X = &H5"}},
        {"write b'0101', \"OK\", 3", {"WRITE &H5, \"OK\", 3"}},
        {"DATA B'0101', \"OK\"", {"DATA &H5, \"OK\""}},
        {"X = ASC('B') ' vale \"B\"", {"X = &H42"}},
        {"WRITE ASC('x'), \"y\", 3", {"WRITE &H58, \"y\", 3"}},
        {"X = 1 ' vedi ASC( e B'2", {"X = 1"}},
        {"GOTO LAB' salta", {"GOTO LAB"}},
        // Tabs become blanks even inside literals.
        {"write \"a\tb\", 0", {"WRITE \"a b\", 0"}},
    });
}

TEST(Prepass, LiteralsBecomeHexadecimal) {
    ExpectSlots({
        {"X = B'1010'", {"X = &HA"}},
        {"x = b'00001010'", {"X = &HA"}},
        {"X = B'11111111'", {"X = &HFF"}},
        {"X = B''", {"X = &H0"}},
        {"X = B'1' + B'10' ' two", {"X = &H1 + &H2"}},
        {"X = ASC('A')", {"X = &H41"}},
        {"x = asc('a')", {"X = &H41"}},
        {"X = ASC(\"a\")", {"X = &H61"}},
        {"X = ASC(  \"a\"  )", {"X = &H61"}},
        {"X = ASC(\" \")", {"X = &H20"}},
        {"X = ASC(\"'\")", {"X = &H27"}},
        {"X = ASC(\")\")", {"X = &H29"}},
        {"X = ASC(\":\")", {"X = &H3A"}},
        {"X = ASC(\"\xC3\xA8\")", {"X = &HE8"}},
        {"X = ASC('A') + ASC('C')", {"X = &H41 + &H43"}},
        // The B' of ASC('B') is no binary literal.
        {"X = ASC('B')", {"X = &H42"}},
        {"x = asc('b')", {"X = &H42"}},
        {"X = ASC(')')", {"X = &H29"}},
        {"X = ASC(''')", {"X = &H27"}},
        {"X = 0XFF", {"X = &HFF"}},
        {"x = 0xff", {"X = &HFF"}},
        {"X=0XFF", {"X=0XFF"}},
        {"X = (0X1F)+0X2", {"X = (&H1F)+&H2"}},
        {"X = A[0X3]", {"X = A[&H3]"}},
        {"X = A0X1", {"X = A0X1"}},
        {"X = Y 0X", {"X = Y 0X"}},
    });
}

TEST(Prepass, NoiseWordsPortAndLine) {
    ExpectSlots({
        {"CONFIG PORT B AS OUTPUT", {"CONFIG B AS OUTPUT"}},
        {"config port a as input", {"CONFIG A AS INPUT"}},
        {"PORT B = 5", {"B = 5"}},
        {"X = PORT", {"X ="}},
        {"X = PORT+1", {"X = +1"}},
        // No stray blank where the word stood at an end of the statement.
        {"X = Y+PORT", {"X = Y+"}},
        {"PORT+1 = X", {"+1 = X"}},
        {"X = EXPORT", {"X = EXPORT"}},
        {"PORTA = 1", {"PORTA = 1"}},
        {"X = PORTB + EXPORT", {"X = PORTB + EXPORT"}},
        {"CONFIG  PORT  PORT  B AS OUTPUT", {"CONFIG B AS OUTPUT"}},
        {"SET LINE B4", {"SET B4"}},
        {"LINE B4 = 1", {"B4 = 1"}},
        {"SET LINEA", {"SET LINEA"}},
        {"ON LINE INTERRUPT CALL GESTORE", {"ON LINE INTERRUPT CALL GESTORE"}},
        {"SET LINE INTERRUPT ON", {"SET LINE INTERRUPT ON"}},
        {"SET LINE INTERRUPT OFF", {"SET LINE INTERRUPT OFF"}},
        {"SET LINE INTERRUPT", {"SET INTERRUPT"}},
        // The interrupt statements keep LINE also where they follow THEN,
        // ELSE or a colon.
        {"IF X = 3 THEN SET LINE INTERRUPT OFF",
         {"IF X = 3 THEN", "SET LINE INTERRUPT OFF", "END IF"}},
        {"IF X THEN SET LINE INTERRUPT ON ELSE SET LINE B4",
         {"IF X THEN", "SET LINE INTERRUPT ON", "ELSE", "SET B4", "END IF"}},
        {"X = 1: SET  LINE  INTERRUPT  OFF", {"X = 1", "SET LINE INTERRUPT OFF"}},
        {"X = 1: ON LINE INTERRUPT CALL GESTORE", {"X = 1", "ON LINE INTERRUPT CALL GESTORE"}},
        {"X = 1: SET LINE INTERRUPT ONCE", {"X = 1", "SET INTERRUPT ONCE"}},
        {"X = 1: RESET LINE INTERRUPT OFF", {"X = 1", "RESET INTERRUPT OFF"}},
        {"OUTPUT PORT B, X", {"OUTPUT B, X"}},
    });
}

TEST(Prepass, ColonsLabelsAndSplitLines) {
    ExpectSlots({
        {"ciclo:", {"A>CICLO:"}},
        {"CASE 5:", {"CASE 5"}},
        {"CASE 5 :", {"CASE 5"}},
        {"CASE 1 : Y=1", {"CASE 1", "Y=1"}},
        {"INIZIO: X = 1", {"A>INIZIO:", "X = 1"}},
        {"X = 1: Y = 2 : Z = 3", {"X = 1", "Y = 2", "Z = 3"}},
        {"X = 1: FINE", {"X = 1", "FINE"}},
        {"X = 1:: Y = 2:", {"X = 1", "Y = 2"}},
        {": X = 1", {"X = 1"}},
        // A one-line IF is the last statement of its line.
        {"X = 0: IF X = 1 THEN Y = 2 ELSE Y = 3",
         {"X = 0", "IF X = 1 THEN", "Y = 2", "ELSE", "Y = 3", "END IF"}},
        {"INIZIO: IF X = 1 THEN GOTO INIZIO",
         {"A>INIZIO:", "IF X = 1 THEN", "GOTO INIZIO", "END IF"}},
        {"IF X = 1 THEN Y = 2:", {"IF X = 1 THEN", "Y = 2", "END IF"}},
        {"X = 0: IF X = 1 THEN Y = 2 ELSE Y = 3 ::",
         {"X = 0", "IF X = 1 THEN", "Y = 2", "ELSE", "Y = 3", "END IF"}},
        {"IFFY = 1: X = 2", {"IFFY = 1", "X = 2"}},
        {"Y = 1: endif", {"Y = 1", "END IF"}},
        // Inline assembly keeps its colons.
        {"asm(loop: nop)", {"ASM(LOOP: NOP)"}},
        // Colons in literals separate nothing.
        {"WRITE \"10:30\", 0: X = 1", {"WRITE \"10:30\", 0", "X = 1"}},
        {"WRITE \"A:\", 0:", {"WRITE \"A:\", 0"}},
    });
}

TEST(Prepass, OutputToOnePortLine) {
    ExpectSlots({
        {"OUTPUT B3, 1", {"SET B3"}},
        {"output a4 , 0", {"RESET A4"}},
        {"OUTPUT B3, X", {"IF X=0 THEN", "RESET B3", "ELSE", "SET B3", "END IF"}},
        {"OUTPUT B3, X + 1", {"IF X + 1=0 THEN", "RESET B3", "ELSE", "SET B3", "END IF"}},
        {"OUTPUT B, X", {"OUTPUT B, X"}},
        {"OUTPUT B8, 1", {"OUTPUT B8, 1"}},
        {"OUTPUT A5, 0", {"OUTPUT A5, 0"}},
        {"OUTPUT B3", {"OUTPUT B3"}},
    });
}

TEST(Prepass, OneLineIfBecomesABlock) {
    ExpectSlots({
        {"IF X = 1 THEN GOTO FINE ELSE Y = 2",
         {"IF X = 1 THEN", "GOTO FINE", "ELSE", "Y = 2", "END IF"}},
        {"if x = 1 then y = 2", {"IF X = 1 THEN", "Y = 2", "END IF"}},
        {"IF X = 1 THEN", {"IF X = 1 THEN"}},
        {"IF X = 1 THEN ELSE Y = 2", {"IF X = 1 THEN", "ELSE", "Y = 2", "END IF"}},
        {"IF (X = 1) THEN END", {"IF (X = 1) THEN", "END", "END IF"}},
        {"IF X = 1 THEN WRITE \"A ELSE B\", 0",
         {"IF X = 1 THEN", "WRITE \"A ELSE B\", 0", "END IF"}},
    });
}

TEST(Prepass, ParenthesesThatPass) {
    ExpectSlots({
        {"X = (A + (B - 1))", {"X = (A + (B - 1))"}},
        {"X = A)(", {"X = A)("}},
        {"X = ASC(\"(\")", {"X = &H28"}},
    });
}

// A faulty line ends the pass: the lines before it stay stored, nothing
// after it is read, and the report quotes the line as written.
const char* const kStatementAfterIf =
    "Dopo un IF su una sola riga non pu\xF2 seguire un'altra istruzione separata da ':'. Usare "
    "la forma a blocco: IF ... THEN su una riga, le istruzioni nelle righe seguenti, poi END IF";

struct ErrorCase {
    const char* line;
    const char* message;
    bool quotesLine;
};

TEST(Prepass, FaultyLinesAreReported) {
    const std::vector<ErrorCase> cases = {
        {"WRITE \"ciao, 0", "Stringa non bilanciata", true},
        {"WRITE \"a\", \"b", "Stringa non bilanciata", true},
        {"X = B'1010", "Valore binario non corretto", true},
        {"X = B'101010101'", "Valore binario non corretto", true},
        {"X = B'1X1'", "Valore binario non corretto", true},
        {"X = B'011012'", "Valore binario non corretto", true},
        {"X = B'01 1101'", "Valore binario non corretto", true},
        {"X = B'0101 ' nota", "Valore binario non corretto", true},
        {"X = ASC('A'", "Parentesi non bilanciate", true},
        {"X = ASC(AB)", "Controllare l'istruzione ", true},
        {"X = ASC('XY')", "Controllare l'istruzione ", true},
        {"0x10 = 5 ' c", "Controllare la sintassi: 0X10 = 5", true},
        {"port", "Controllare l'istruzione: ", true},
        {"   PORT   ' nota", "Controllare l'istruzione: ", true},
        {"PORT PORT", "Controllare l'istruzione: ", true},
        {"line", "Controllare l'istuzione: ", true},
        {"@5:", "Non \xE8 ammesso l'uso del caratere '@' come inizion di una Label", true},
        {"X = 1: @5: Y = 2", "Non \xE8 ammesso l'uso del caratere '@' come inizion di una Label",
         false},
        {"IF X = 1 THEN: Y = 2", "Sintassi non permetta.", true},
        {"X = 1: IF X = 1 GOTO A", "Sintassi non permetta.", true},
        {"X = 1: IF X = 1 THEN Y = 2 ELSE", "Sintassi non permetta.", true},
        {"IF X = 1 THEN Y = 2: Z = 3", kStatementAfterIf, true},
        {"X = 1: IF X = 1 THEN Y = 2: Z = 3", kStatementAfterIf, true},
        {"IF X = 1 THEN GOTO A ELSE GOTO B: C:", kStatementAfterIf, true},
        {"X = (A + 1", "Controllare il livello di parentesi: ", true},
        {"X = A) + (1", "Controllare il livello di parentesi: ", true},
        {")X(", "Controllare il livello di parentesi: ", true},
        {"X = )\"A\"(", "Controllare il livello di parentesi: ", true},
        {"OUTPUT B3, (X", "Controllare il livello di parentesi: ", true},
        {"IF X = 1 GOTO FINE", "Struttura IF non corretta, controllare:IF X = 1 GOTO FINE", true},
        {"IF X = 1 THEN Y = 2 ELSE",
         "Struttura IF non corretta, controllare:IF X = 1 THEN Y = 2 ELSE", true},
        {"IF X ELSE Y THEN Z", "Struttura IF non corretta, controllare:IF X ELSE Y THEN Z", true},
    };
    for (const ErrorCase& c : cases) {
        const PrepassRun run = Preprocess(Join({"A = 1", c.line, "B = 2", "END"}));
        std::string expected = "<*> ERRORE : " + std::string(c.message) + "\r\n";
        if (c.quotesLine) expected += "---istruzione---\r\n" + std::string(c.line);
        EXPECT_TRUE(run.error) << c.line;
        EXPECT_EQ(run.report, expected) << "source line: " << c.line;
        ASSERT_FALSE(run.slots.empty()) << c.line;
        EXPECT_EQ(run.slots.front(), "A = 1") << c.line;
        for (const std::string& slot : run.slots) EXPECT_NE(slot, "B = 2") << c.line;
    }
}

TEST(Prepass, PiecesBeforeAFaultyPieceStayStored) {
    const PrepassRun run = Preprocess(Join({"X = 1: Y = 2: IF Z THEN", "END"}));
    EXPECT_TRUE(run.error);
    EXPECT_EQ(run.slots, (Lines{"X = 1", "Y = 2"}));
}

struct EndCase {
    Lines program;
    const char* message;  // nullptr: the program passes
};

TEST(Prepass, MainProgramEndsBeforeTheSubroutines) {
    const char* noEnd =
        "Il programma main deve concludersi con lo step END. Non \xE8 stata trovata "
        "l'istruzione END";
    const char* order =
        "La definizione delle Subroutine deve seguire il programma main (principale).";
    const std::vector<EndCase> cases = {
        {{"X = 1"}, noEnd},
        {{"X = 1", "END IF", "ENDING = 1", " END SUB"}, noEnd},
        {{"X = 1", "end"}, nullptr},
        {{"  END  ' fine"}, nullptr},
        {{"END", "SUB A", "END SUB"}, nullptr},
        {{"SUB A", "END SUB", "END"}, order},
        {{"END", "SUB A", "END SUB", "END"}, order},
        {{"END", "SUB A", "X = 1: END SUB", "END"}, order},
        // END as a statement of a split line counts.
        {{"FINE: END"}, nullptr},
        {{"X = 1: END", "SUB A", "END SUB"}, nullptr},
        // END inside a one-line IF does not end the main program.
        {{"IF X = 1 THEN END"}, noEnd},
        {{"IF X = 1 THEN Y = 1 ELSE END"}, noEnd},
        {{"X = 1: IF X = 1 THEN END ELSE Y = 2"}, noEnd},
    };
    for (const EndCase& c : cases) {
        const PrepassRun run = Preprocess(Join(c.program));
        const std::string where = Join(c.program);
        if (c.message == nullptr) {
            EXPECT_FALSE(run.error) << where << run.report;
            EXPECT_EQ(run.report, "") << where;
        } else {
            EXPECT_TRUE(run.error) << where;
            // The report names no statement.
            EXPECT_EQ(run.report, "<*> ERRORE : " + std::string(c.message) + "\r\n") << where;
        }
    }
}

TEST(Prepass, TextIsCutAtEveryCrLf) {
    {
        // The last line without its line end is read too.
        tavolux::Translator translator;
        EXPECT_EQ(translator.PreprocessOnly("x = 1\r\nend"), (Lines{"X = 1", "END"}));
        EXPECT_EQ(translator.State().BasicText, "x = 1\r\nend\r\n");
        EXPECT_FALSE(translator.State().Flag_Error);
    }
    {
        tavolux::Translator translator;
        EXPECT_EQ(translator.PreprocessOnly("X = 1\r\n\r\nEND\r\n"), (Lines{"X = 1", "END"}));
        EXPECT_EQ(translator.State().BasicText, "X = 1\r\n\r\nEND\r\n");
    }
}

TEST(Prepass, TranslationHandsBackTheTextWithItsLineEnd) {
    tavolux::Translator translator;
    // The run stops at the pre-pass report.
    const auto result = translator.TranslateProgram("x = (1", "");
    EXPECT_TRUE(result.flagError);
    EXPECT_EQ(result.basicText, "x = (1\r\n");
    EXPECT_EQ(result.asmText,
              "<*> ERRORE : Controllare il livello di parentesi: \r\n---istruzione---\r\nx = (1");
}

TEST(Prepass, EveryRunStartsFromAnEmptyStore) {
    tavolux::Translator translator;
    translator.PreprocessOnly(Join({"A = 1", "B = 2", "C = 3", "END"}));
    EXPECT_EQ(translator.PreprocessOnly(Join({"X = 1", "END"})), (Lines{"X = 1", "END"}));
    EXPECT_EQ(translator.State().NoInput(), 2);
    EXPECT_EQ(translator.State().CurrentStatement, "");
}

// 3000 slots fit; one more ends the pass with the table-full report.
TEST(Prepass, StoreHoldsThreeThousandLines) {
    std::string hundred;  // one line of 100 statements
    for (int k = 0; k < 100; ++k) hundred += "X=1:";
    Lines full(29, hundred);
    std::string ninetyNine;
    for (int k = 0; k < 99; ++k) ninetyNine += "X=1:";
    full.push_back(ninetyNine);
    full.push_back("END");
    {
        const PrepassRun run = Preprocess(Join(full));
        EXPECT_FALSE(run.error) << run.report;
        ASSERT_EQ(run.slots.size(), 3000u);
        EXPECT_EQ(run.slots.back(), "END");
    }
    full[29] = hundred;
    {
        const PrepassRun run = Preprocess(Join(full));
        EXPECT_TRUE(run.error);
        EXPECT_EQ(run.slots.size(), 3000u);
        EXPECT_EQ(run.report,
                  "<*> ERRORE : Programma troppo grande: superato il limite di 3000 righe di "
                  "programma\r\n---istruzione---\r\nEND");
    }
}

}  // namespace
