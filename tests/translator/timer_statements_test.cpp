// The timer set-up statements over the range of their operands.
#include <gtest/gtest.h>

#include <string>

#include "asm_tools.h"
#include "translator.h"

namespace {

using tavolux::Translator;
using tavolux::testing::ToCrLf;

struct Outcome {
    std::string asmText;
    bool error = false;
};

Outcome Translate(const std::string& basic) {
    Translator t;
    const auto result = t.TranslateProgram(ToCrLf(basic), "");
    return {result.asmText, result.flagError};
}

// The reload value: decimal rounded to the nearest whole number (half to
// even), hexadecimal, or a variable; anything else is refused.
TEST(SetInitTimer, ReloadValues) {
    const struct {
        const char* operand;
        const char* reload;  // the timer entry's reload line, or the report
    } cases[] = {
        {"0", "        MOVLW 0x0\r\n"},
        {"&HFF", "        MOVLW 0xFF\r\n"},
        {"99.5", "        MOVLW 0x64\r\n"},
        {"100.5", "        MOVLW 0x64\r\n"},
        {"255.4", "        MOVLW 0xFF\r\n"},
        {"V", "        MOVF V , W\r\n"},
        {"255.5",
         "<*> ERRORE : Valore di inizializzazione timer non ammesso: SET INIT TIMER TO 255.5"},
        {"&H100",
         "<*> ERRORE : Valore di inizializzazione timer non ammesso: SET INIT TIMER TO &H100"},
        {"-1", "<*> ERRORE : Valore di inizializzazione timer non ammesso: SET INIT TIMER TO -1"},
        {"W", "<*> ERRORE : Variabile non definita: SET INIT TIMER TO W"},
        {"", "<*> ERRORE : Variabile non definita: SET INIT TIMER TO"},
    };
    for (const auto& c : cases) {
        const Outcome run = Translate(std::string("DIM V AS BYTE\nSET INIT TIMER TO ") + c.operand +
                                      "\nON TIMER INTERRUPT CALL T\nEND\nSUB T\nEND SUB\n");
        EXPECT_NE(run.asmText.find(std::string(c.reload)), std::string::npos) << c.operand << "\n"
                                                                              << run.asmText;
        EXPECT_EQ(run.error, c.reload[0] == '<') << c.operand;
    }
}

// "1/2" to "1/256" are the rates 1 to 8; the prescaler bits hold the rate
// less one.
TEST(SetTimerRate, FractionsAndIndexesGiveTheSameLines) {
    static const char* const kFractions[] = {"1/2",  "1/4",  "1/8",   "1/16",
                                             "1/32", "1/64", "1/128", "1/256"};
    for (int rate = 1; rate <= 8; ++rate) {
        const Outcome byIndex = Translate("SET TIMER RATE TO " + std::to_string(rate) + "\nEND\n");
        const Outcome byFraction =
            Translate(std::string("SET TIMER RATE TO ") + kFractions[rate - 1] + "\nEND\n");
        ASSERT_FALSE(byIndex.error) << byIndex.asmText;
        EXPECT_EQ(byIndex.asmText, byFraction.asmText) << rate;
        std::string bits;
        for (int b = 0; b < 3; ++b) {
            bits += std::string("        ") + (((rate - 1) >> b) & 1 ? "BSF" : "BCF") +
                    " Reg_Option , Bit_" + std::to_string(b) + "\r\n";
        }
        EXPECT_NE(byIndex.asmText.find("        BCF Reg_Option , Bit_3\r\n" + bits),
                  std::string::npos)
            << byIndex.asmText;
    }
}

// A source is switched on only in a program with its routine: with no
// entry in the dispatcher nothing would clear its flag, and the chip would
// enter the interrupt again and again. The routine of another source does
// not do; switching off is always allowed.
TEST(SwitchingOn, ASourceWithoutItsRoutineIsRefused) {
    const struct {
        const char* program;
        const char* report;  // the report's first line, or nullptr: the program translates
    } cases[] = {
        {"SET TIMER ON\nEND\n",
         "<*> ERRORE : Nessuna routine per questo interrupt: manca ON TIMER INTERRUPT CALL"},
        {"ON EXTERNAL INTERRUPT CALL H\nSET TIMER ON\nEND\nSUB H\nEND SUB\n",
         "<*> ERRORE : Nessuna routine per questo interrupt: manca ON TIMER INTERRUPT CALL"},
        {"ON TIMER INTERRUPT CALL H\nSET EXTERNAL INTERRUPT ON\nEND\nSUB H\nEND SUB\n",
         "<*> ERRORE : Nessuna routine per questo interrupt: manca ON EXTERNAL INTERRUPT CALL"},
        {"ON EXTERNAL INTERRUPT CALL H\nSET LINE INTERRUPT ON\nEND\nSUB H\nEND SUB\n",
         "<*> ERRORE : Nessuna routine per questo interrupt: manca ON LINE INTERRUPT CALL"},
        // The routine may be named further on.
        {"SET TIMER ON\nSET EXTERNAL INTERRUPT ON\nSET LINE INTERRUPT ON\n"
         "ON TIMER INTERRUPT CALL H\nON EXTERNAL INTERRUPT CALL H\nON LINE INTERRUPT CALL H\n"
         "END\nSUB H\nEND SUB\n",
         nullptr},
        {"SET TIMER OFF\nSET EXTERNAL INTERRUPT OFF\nSET LINE INTERRUPT OFF\nEND\n", nullptr},
    };
    for (const auto& c : cases) {
        const Outcome run = Translate(c.program);
        if (c.report == nullptr) {
            EXPECT_FALSE(run.error) << c.program << run.asmText;
        } else {
            EXPECT_TRUE(run.error) << c.program;
            EXPECT_EQ(run.asmText.substr(0, run.asmText.find("\r\n")), c.report) << c.program;
        }
    }
}

}  // namespace
