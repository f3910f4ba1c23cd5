// The help topics of the timer and the interrupts: every text they show word
// for word, in order, the headings, the blanks that count, and example lines
// that translate.
#include <gtest/gtest.h>

#include <vector>

#include "help_topics.h"
#include "topic_checks.h"

namespace tavolux::help {
namespace {

using namespace topic_checks;

// The texts each topic shows word for word, in their order: whole lines,
// but for those marked kWithin, which stand within a line.
const std::vector<QuotedTopic>& Quotes() {
    static const std::vector<QuotedTopic> table = {
        {"ShowTopicOnTimerInterrupt",
         false,
         {
             {"Intercetta l'interrupt del timer"},
             {"La sintassi è:"},
             {"                 ON TIMER INTERRUPT CALL <nome subroutine>"},
             {"L'impostazione predefinita è: "},
             {"       clock interno (frequenza quarzo / 4)"},
             {"       divisore di frequeza a 1:256 (prescaler 1:256)"},
             {"       frequenza di fransizione FF->00 256 "},
             {"   Freq. CALL = ((Fo/4) / (prescaler) 256 ) / (freq, TMR0) 256) = 30 Hz"},
             {"   Freq. CALL = ((Fo/4) / (prescaler) 256 ) / (freq, TMR0) 130) = 60 Hz"},
             {"..."},
             {"..."},
             {"SUB Display"},
             {"..."},
             {"..."},
             {"End Sub"},
             {"Attenzione: questa istruzione deve essere una delle prime istruzioni."},
             {"VEDERE: Set internal clock"},
             {"        Set external Clock"},
             {"        Set Timer Rate"},
             {"        Set Timer Edge"},
             {"        Set Timer On/Off"},
             {"        Set Init Timer to "},
         }},
        {"ShowTopicSetInternalClock",
         false,
         {
             {"Imposta il clock interno come segnale sorgente per timer"},
             {"..."},
             {"Set Internal Clock"},
             {"..."},
             {"VEDERE: On timer interrupt"},
             {"        Set external clock"},
             {"        Set Timer rate"},
         }},
        {"ShowTopicSetExternalClock",
         false,
         {
             {"Imposta il segnale sorgente per il timer il clock esterno"},
             {"..."},
             {"Set External Clock"},
             {"..."},
             {"VEDERE: On timer interrupt"},
             {"        Set internal clock"},
             {"        Set Timer rate"},
         }},
        {"ShowTopicSetTimerEdge",
         false,
         {
             {"Imposta il fronte di trasizione del clock"},
             {"La sintassi dell'istruzione è:"},
             {"Set Timer Edge Up    (Low->High)"},
             {"Set Timer Edge Down  (High->Low)"},
         }},
        {"ShowTopicSetTimerRate",
         false,
         {
             {"Imposta il divisore di frequenza"},
             {"I fattori di divisione di frequenza sono: 1)1:2 , 2)1:4 , 3)1:8 , 4)1:16 , 5)1:32 , "
              "6)1:64 , 7)1:128 , 8)1:256"},
             {"SET TIMER RATE TO <indice da 1 a 8>  oppure:"},
             {"SET TIMER RATE TO 1/<potenza del 2>"},
             {"Set Timer Rate to 3    (->Divisore 1:8)"},
             {"Set Timer Rate to 1/128"},
             {"VEDERE: On timer interrupt"},
             {"        Set internal clock"},
             {"        Set external clock"},
         }},
        {"ShowTopicSetTimerOnOff",
         false,
         {
             {"Abilita/Disabilita l'interrupt Timer"},
             {"Set Timer On    (->Abilita)"},
             {"Set Timer Off   (->Disabilita)"},
         }},
        {"ShowTopicSetInitTimer",
         false,
         {
             {"Inizializza il registro timer per le transizioni FF->00"},
             {"Set Init Timer To 34"},
             {"Set Init Timer To  X"},
             {"***ATTENZIONE***"},
         }},
        {"ShowTopicOnExternalInterrupt",
         false,
         {
             {"Intercetta un'interrupt su linea esterna B0"},
             {"La sintassi è:"},
             {"ON EXTERNAL INTERRUPT CALL <nome subroutine>"},
             {"..."},
             {"..."},
             {"SUB Display"},
             {"..."},
             {"..."},
             {"END SUB"},
             {"Attenzione: questa istruzione deve essere una delle prime istruzioni."},
         }},
        {"ShowTopicSetExtIntEdge",
         false,
         {
             {"Imposta il fronte di trasizione per l'interrupt esterna."},
             {"La sintassi dell'istruzione è:"},
             {"Set External Interrupt Edge Up    (Low->High)"},
             {"Set External Interrupt Edge Down  (High->Low)"},
         }},
        {"ShowTopicSetExtIntOnOff",
         false,
         {
             {"Abilita/Disabilita l'interrupt su linea esterna"},
             {"La corretta sintassi è la seguente:"},
             {"Set External Interrupt ON   (->Abilita)"},
             {"Set External Interrupt OFF  (->Disabilita)"},
             {"Vedere: ", kWithin},
             {"        Set External Interrupt Edge"},
         }},
        {"ShowTopicOnLineInterrupt",
         false,
         {
             {"Intercetta interrupt su linee B4-B7"},
             {"La sintassi dell'istruzione è:"},
             {"..."},
             {"..."},
             {"SUB Display"},
             {"..."},
             {"..."},
             {"END SUB"},
             {"Attenzione: questa istruzione deve essere una delle prime istruzioni."},
         }},
        {"ShowTopicSetLineInterrupt",
         false,
         {
             {"Abilita/Disabilita l'interrupt su linee esterne B4-B7"},
             {" "},
             {"La sintassi è:"},
             {"Set Line Interrupt On"},
             {"Set Line Interrupt Off"},
         }},
    };
    return table;
}

TEST(TopicsTimer, EveryTopicHoldsItsHeadingAndItsQuotesInOrder) {
    ExpectQuotedTopics(TimerTopics(), Quotes());
}

TEST(TopicsTimer, LinesAreUtf8WithoutLineEnds) {
    ExpectWellFormedLines(TimerTopics());
}

TEST(TopicsTimer, BlanksThatCountStay) {
    ExpectBlanks({
        {"ShowTopicOnTimerInterrupt", "                 ON TIMER INTERRUPT CALL <nome subroutine>",
         17, 0},
        {"ShowTopicOnTimerInterrupt", "L'impostazione predefinita è: ", 0, 1},
        {"ShowTopicOnTimerInterrupt", "       divisore di frequeza a 1:256 (prescaler 1:256)", 7,
         0},
        {"ShowTopicOnTimerInterrupt", "       frequenza di fransizione FF->00 256 ", 7, 1},
        {"ShowTopicOnTimerInterrupt",
         "   Freq. CALL = ((Fo/4) / (prescaler) 256 ) / (freq, TMR0) 256) = 30 Hz", 3, 0},
        {"ShowTopicOnTimerInterrupt",
         "   Freq. CALL = ((Fo/4) / (prescaler) 256 ) / (freq, TMR0) 130) = 60 Hz", 3, 0},
        {"ShowTopicOnTimerInterrupt", "        Set Init Timer to ", 8, 1},
        {"ShowTopicSetTimerRate", "SET TIMER RATE TO <indice da 1 a 8>  oppure:", 0, 0},
        {"ShowTopicSetInitTimer", "Set Init Timer To  X", 0, 0},
        {"ShowTopicSetExtIntOnOff", "        Set External Interrupt Edge", 8, 0},
    });
}

TEST(TopicsTimer, ExampleLinesTranslate) {
    ExpectExamplesTranslate({
        {"ShowTopicOnTimerInterrupt",
         {"> On Timer Interrupt call Display", "~ Set Init Timer to 126", "END", "> SUB Display",
          "~ WAIT 200", "> End Sub"}},
        // The period too short for a B0 edge (the chip tests run it).
        {"ShowTopicOnTimerInterrupt",
         {"Dim X, Y, Z as Byte", "On Timer Interrupt call Display", "On External Interrupt call E",
          "~ Set Timer Rate to 0", "~ Set Init Timer to 236", "Giro:", "X = X + 1",
          "Y = Div10( X )", "Goto Giro", "END", "SUB Display", "Z = Div10( Y )", "End Sub", "SUB E",
          "X = 0", "END SUB"}},
        {"ShowTopicSetInternalClock", {"> Set Internal Clock", "END"}},
        {"ShowTopicSetExternalClock", {"> Set External Clock", "END"}},
        {"ShowTopicSetTimerEdge", {"> Set Timer Edge Up", "> Set Timer Edge Down", "END"}},
        {"ShowTopicSetTimerRate",
         {"> Set Timer Rate to 3", "> Set Timer Rate to 0", "> Set Timer Rate to 1/128", "END"}},
        {"ShowTopicSetTimerOnOff",
         {"On Timer Interrupt call T", "> Set Timer On", "> Set Timer Off", "END", "SUB T",
          "END SUB"}},
        {"ShowTopicSetTimerOnOff",
         {"> Set Timer On", "END"},
         "Nessuna routine per questo interrupt: manca ON TIMER INTERRUPT CALL"},
        // SET INIT TIMER TO may stand only once in a program.
        {"ShowTopicSetInitTimer", {"> Set Init Timer To 34", "END"}},
        {"ShowTopicSetInitTimer", {"Dim X as Byte", "> Set Init Timer To  X", "END"}},
        {"ShowTopicOnExternalInterrupt",
         {"> On External Interrupt call Display", "END", "> SUB Display", "> END SUB"}},
        {"ShowTopicSetExtIntEdge",
         {"> Set External Interrupt Edge Up", "> Set External Interrupt Edge Down", "END"}},
        {"ShowTopicSetExtIntOnOff",
         {"On External Interrupt call E", "> Set External Interrupt ON",
          "> Set External Interrupt OFF", "END", "SUB E", "END SUB"}},
        {"ShowTopicSetExtIntOnOff",
         {"On Timer Interrupt call T", "> Set External Interrupt ON", "END", "SUB T", "END SUB"},
         "Nessuna routine per questo interrupt: manca ON EXTERNAL INTERRUPT CALL"},
        {"ShowTopicOnLineInterrupt",
         {"> On Line Interrupt call Display", "END", "> SUB Display", "> END SUB"}},
        // Which lines stay inputs (the chip cases show the calls).
        {"ShowTopicOnLineInterrupt",
         {"> Config B0,B4 As Input", "> On Line Interrupt call Display", "END", "> SUB Display",
          "> END SUB"}},
        {"ShowTopicOnLineInterrupt",
         {"~ Config B0 As Input", "On Line Interrupt call Display", "END", "SUB Display",
          "END SUB"}},
        {"ShowTopicOnLineInterrupt",
         {"~ Config B As Input", "On Line Interrupt call Display", "END", "SUB Display",
          "END SUB"}},
        {"ShowTopicSetLineInterrupt",
         {"On Line Interrupt call L", "> Set Line Interrupt On", "> Set Line Interrupt Off", "END",
          "SUB L", "END SUB"}},
        {"ShowTopicSetLineInterrupt",
         {"> Set Line Interrupt On", "END"},
         "Nessuna routine per questo interrupt: manca ON LINE INTERRUPT CALL"},
    });
}

}  // namespace
}  // namespace tavolux::help
