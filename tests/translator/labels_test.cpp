// The labels a GOTO may land on: any label of the routine it stands in (the
// main program or one SUB), none of another routine.
#include <gtest/gtest.h>

#include <string>

#include "asm_tools.h"
#include "translator.h"

namespace {

using tavolux::testing::ToCrLf;

struct GotoCase {
    const char* what;
    const char* program;
    const char* report;  // the whole report; nullptr: the program translates
};

TEST(GotoRoutines, AGotoLandsOnlyInItsOwnRoutine) {
    const GotoCase cases[] = {
        {"a loop in the main program, one in a SUB and one back to the SUB's start",
         "DIM X AS BYTE\nCALL S\nGIRO: X = X + 1\nIF X < 9 THEN GOTO GIRO\nEND\n"
         "SUB S\nANCORA: X = X - 1\nIF X > 3 THEN GOTO ANCORA\nIF X = 1 THEN GOTO S\nEND SUB",
         nullptr},
        {"the same label name cannot stand in two routines", "GOTO A\nA:\nEND\nSUB S\nA:\nEND SUB",
         "<*> ERRORE : Etichetta gi\xC3\xA0 definita: A\r\n---istruzione---\r\nA:"},
        {"a label of inline assembly in the same SUB",
         "CALL S\nEND\nSUB S\nGOTO QUI\nASM(QUI: NOP)\nEND SUB", nullptr},
        // S5 jumps into S6, whose DIV10 the call-depth check never counts under S5.
        {"from a SUB into another SUB",
         "DIM X, Y AS BYTE\nCALL S5\nEND\nSUB S5\nGOTO ETQ7\nEND SUB\n"
         "SUB S6\nETQ7: Y = DIV10(X)\nEND SUB",
         "<*> ERRORE : GOTO verso un'altra routine: l'etichetta ETQ7 \xC3\xA8 nella subroutine "
         "S6, il GOTO nella subroutine S5. GOTO salta solo dentro la propria routine; una "
         "subroutine si esegue con CALL.\r\n---istruzione---\r\nGOTO ETQ7"},
        {"from the main program into a SUB",
         "DIM X AS BYTE\nGOTO DENTRO\nEND\nSUB S\nDENTRO: X = 1\nEND SUB",
         "<*> ERRORE : GOTO verso un'altra routine: l'etichetta DENTRO \xC3\xA8 nella subroutine "
         "S, il GOTO nel programma main. GOTO salta solo dentro la propria routine; una "
         "subroutine si esegue con CALL.\r\n---istruzione---\r\nGOTO DENTRO"},
        {"from the main program to a SUB's name", "GOTO S1\nEND\nSUB S1\nEND SUB",
         "<*> ERRORE : GOTO verso un'altra routine: l'etichetta S1 \xC3\xA8 nella subroutine S1, "
         "il GOTO nel programma main. GOTO salta solo dentro la propria routine; una "
         "subroutine si esegue con CALL.\r\n---istruzione---\r\nGOTO S1"},
        {"out of a SUB into the main program, also from inside an IF",
         "DIM X AS BYTE\nCALL S\nFINE:\nEND\nSUB S\nIF X = 0 THEN GOTO FINE\nEND SUB",
         "<*> ERRORE : GOTO verso un'altra routine: l'etichetta FINE \xC3\xA8 nel programma main, "
         "il GOTO nella subroutine S. GOTO salta solo dentro la propria routine; una "
         "subroutine si esegue con CALL.\r\n---istruzione---\r\nGOTO FINE"},
        {"to a label of inline assembly in the main program, from a SUB",
         "CALL S\nASM(FUORI: NOP)\nEND\nSUB S\nGOTO FUORI\nEND SUB",
         "<*> ERRORE : GOTO verso un'altra routine: l'etichetta FUORI \xC3\xA8 nel programma main, "
         "il GOTO nella subroutine S. GOTO salta solo dentro la propria routine; una "
         "subroutine si esegue con CALL.\r\n---istruzione---\r\nGOTO FUORI"},
        {"to main program code written between two SUBs",
         "CALL S\nEND\nSUB S\nGOTO TRA\nEND SUB\nTRA:\nSUB T\nEND SUB",
         "<*> ERRORE : GOTO verso un'altra routine: l'etichetta TRA \xC3\xA8 nel programma main, "
         "il GOTO nella subroutine S. GOTO salta solo dentro la propria routine; una "
         "subroutine si esegue con CALL.\r\n---istruzione---\r\nGOTO TRA"},
    };
    tavolux::Translator t;
    for (const GotoCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto r = t.TranslateProgram(ToCrLf(std::string(c.program) + "\n"), "");
        if (c.report == nullptr) {
            EXPECT_FALSE(r.flagError) << r.asmText;
        } else {
            EXPECT_TRUE(r.flagError);
            EXPECT_EQ(r.asmText, c.report);
        }
    }
}

}  // namespace
