// The examples window: the four programs as the program carries them, and
// printing them on a double-click.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "form5.h"
#include "layout.h"
#include "modal.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using help::Form5;
using WindowExamples = WindowTest;

// What the window shows below its header and an empty line: the four
// programs, three empty lines between two of them, and one empty line at the
// end (each line here ends with LF; the window's text with CR LF).
const char kPrograms[] = R"examples('Esempio n.1: Configurazione delle porte I/O
'===========================================

Config Line A0 AS Input
Config Line B5 AS Output

Dim X as Byte            'Dimensionamento var. X

Do                       'Inizio ciclo DO...LOOP    
  X = Input( A0 )        'Legge lo stato (1/0) della linea A0
  If X = 0 then
     Set B5              'Il Pin 11 (B5) = +5 Volt
  Else
     Reset B5            'Il Pin 11 (B5) = 0 Volt
  End If                 '
Loop                     'Chiude ciclo DO...LOOP
End



'Esempio n.2: Lettura della memoria EEPROM-DATI
'==============================================

Config Port A as Input   'Configura la porta A come input
Config Port B as Input   'Configura la porta B come input

Dim X as Byte
Dim Y as Byte

X=0
Do While X <= 10         'Inizio ciclo DO...LOOP    
   Y = Read( X )         'Legge memoria EEPROM-DATI  
   if Y = 0 then Break
   X = X + 1
Loop
End



'   +-------------------------+
'   |   Esempio n.3           |
'   |   Interrupt su B0/INT   |
'   |   Piedino integrato 6   |
'   +-------------------------+

On External Interrupt Call LED_On_Off

Config Port A as output
Config Port B as Input

Dim x As Byte
Dim y As Byte
Dim StatoLED As Byte

StatoLED = 0
Do
  Set A0
  Call Pausa
  Reset A0
  Call Pausa
Loop
End

'+------------------------------------------------------------------+
'|   La procedura che segue viene richiamata ogni volta che un si   |
'|   presenta un'interrupt esterna, interrupt su B0/INT.            |
'+------------------------------------------------------------------+
Sub LED_On_Off
    If StatoLED = 0 Then
       Set A1
       StatoLED = 1
    Else
       Reset A1
       StatoLED = 0
    End If
End Sub

'+------------------------------------------------------------------+
'|   La procedura che segue ha l'effetto di rallentare il programma |
'|   in modo da vedere i LED lampeggiare                            |
'+------------------------------------------------------------------+
Sub Pausa
For x = 0 To 100
  For y = 0 To 200
    Wait   'Esegue una NOP
  Next y
Next x
End Sub



'+------------------------------------------------------------------------+
'|                                                                        |
'| Esempio n.4                                                            |
'| Il programma intercetta lo stato elettrico delle linee A0,A1,A2,A3,A4  |
'| e codifica gli stati logici in un numero binario a 8 bit,ossia:        |
'|                                                                        |
'|                    X = 2^A4 + 2^A3 + 2^A2 + 2^A1 + 2^A0                |
'|                                                                        |
'+------------------------------------------------------------------------+
'
Config Port A as Input
Config Port B as Output

Dim X As Byte

Do

   X = 0
   If Input(A0) = 1 Then X = X +  1
   If Input(A1) = 1 Then X = X +  2
   If Input(A2) = 1 Then X = X +  4
   If Input(A3) = 1 Then X = X +  8
   If Input(A4) = 1 Then X = X + 16
   Output B , X

   If X = 27 Then Break  'Codice ESCape

Loop

End

)examples";

QString ExpectedText() {
    QString text = QStringLiteral("(Doppio click con il mouse per eseguire una stampa)\n\n") +
                   QString::fromUtf8(kPrograms);
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

QString TextOf(const Form5& f) {
    return FromPaneText(f.Text1->toPlainText());
}

TEST_F(WindowExamples, EsempiShowsTheFourProgramsByteForByte) {
    Form1& main = Start();
    bool seen = false;
    Seams::OnNextWindow([&](QDialog& d) {
        auto& f = dynamic_cast<Form5&>(d);
        seen = true;
        EXPECT_EQ(f.windowTitle(), "Esempi per il programma Tavolux.");
        EXPECT_EQ(TextOf(f).toStdString(), ExpectedText().toStdString());
        EXPECT_EQ(TextOf(f).count(QStringLiteral("\r\n")), 2 + 122);
        EXPECT_EQ(f.Text1->font().family(), "Courier New");
        EXPECT_DOUBLE_EQ(f.Text1->font().pointSizeF(), 12);
        EXPECT_FALSE(f.Text1->isReadOnly());
        // 0.9 of the screen, the box 0.95 of the width and 0.9 of the height.
        const QSize screen = f.screen()->geometry().size();
        EXPECT_EQ(f.width(), TwipsToPixels(0.9 * PixelsToTwips(screen.width())));
        EXPECT_EQ(f.height(), TwipsToPixels(0.9 * PixelsToTwips(screen.height())));
        EXPECT_EQ(f.Text1->width(), TwipsToPixels(0.95 * PixelsToTwips(f.width())));
    });
    main.Command10->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(Seams::windows, QStringList{"Form5"});
    EXPECT_TRUE(Seams::messages.isEmpty());
}

// The programs the window shows are the ones the translator's tests read.
TEST_F(WindowExamples, TheProgramsAreTheExampleFiles) {
    const QStringList programs = help::ExamplePrograms();
    ASSERT_EQ(programs.size(), 4);
    for (int n = 1; n <= 4; ++n) {
        const QString path =
            QStringLiteral(TAVOLUX_RESOURCES_DIR "/examples/example-%1.bas").arg(n);
        EXPECT_EQ(programs[n - 1].toUtf8(), Read(path)) << n;
    }
}

// Loading runs no pending events: a second press waiting in the queue opens
// its window only after the first has closed.
TEST_F(WindowExamples, LoadingRunsNoPendingEvents) {
    Form1& main = Start();
    QList<qsizetype> windowsWhenShown;
    for (int i = 0; i < 2; ++i) {
        Seams::OnNextWindow(
            [&](QDialog&) { windowsWhenShown << main.findChildren<Form5*>().size(); });
    }
    QMetaObject::invokeMethod(main.Command10, &QPushButton::click, Qt::QueuedConnection);
    main.Command10->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(windowsWhenShown, (QList<qsizetype>{1, 1}));
}

TEST_F(WindowExamples, DoubleClickAsksThenPrintsTheTextAsItStands) {
    Form1& main = Start();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("esempi.pdf");
    Seams::OnNextWindow([&](QDialog& d) {
        auto& f = dynamic_cast<Form5&>(d);
        const QString before = TextOf(f);

        Seams::AnswerNextQuestion(false);
        Seams::PrintIntoPdf(pdf);
        QTest::mouseDClick(f.Text1->viewport(), Qt::LeftButton);
        EXPECT_EQ(Seams::questions, QStringList{"Eseguo la stampa ?"});
        EXPECT_EQ(Seams::questionTitles, QStringList{"Tavolux Message"});
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(TextOf(f), before);

        Seams::AnswerNextQuestion(true);
        QTest::mouseDClick(f.Text1->viewport(), Qt::LeftButton);
        EXPECT_GT(QFileInfo(pdf).size(), 1000);
        EXPECT_TRUE(Seams::messages.isEmpty());

        Seams::PrintWithNoPrinter();
        Seams::AnswerNextQuestion(true);
        f.Form5_Text1_DblClick();
        EXPECT_EQ(Seams::messages,
                  QStringList{"Nessuna stampante installata: stampa non eseguita."});
    });
    main.Command10->click();
}

}  // namespace
}  // namespace tavolux::shell
