// The translator tables view behind the "Test" button: every press lists the
// tables as they stand, also the first one after a translation.
#include <QPlainTextEdit>
#include <QPushButton>

#include "form7.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using help::Form7;
using WindowTables = WindowTest;

// Presses "Test" and gives back the text the view showed.
QString PressTest(Form1& main) {
    QString shown;
    Seams::OnNextWindow([&](QDialog& d) {
        auto& f = dynamic_cast<Form7&>(d);
        EXPECT_EQ(f.windowTitle(), "Form7");
        shown = FromPaneText(f.Text1->toPlainText());
    });
    main.Command13->click();
    return shown;
}

TEST_F(WindowTables, EveryPressListsTheTablesAsTheyStand) {
    Form1& main = Start({"PROBE"});
    ASSERT_TRUE(main.Command13->isVisibleTo(&main));
    EXPECT_EQ(PressTest(main),
              "\r\nNoFAT = 0\r\n---FAT Table ---\r\n"
              "\r\nNoSUB = 0\r\n---ArraySUB---\r\n"
              "\r\nLunghezza ArrayInput = 0\r\n"
              "\r\nVar. Flag_TestoModificato: 0\r\n");

    Type("DIM X AS BYTE\r\nDIM CONTO AS BYTE\r\nX = 1 ' un commento\r\nCONTO = X\r\nEND\r\n");
    main.Command1->click();  // Translate
    ASSERT_EQ(Seams::messages.size(), 1);
    const QString first = PressTest(main);
    EXPECT_TRUE(
        first.startsWith("\r\nNoFAT = 3\r\n---FAT Table ---\r\n"
                         "1) [1] = X     [2] = BYTE\r\n"
                         "2) [1] = CONTO     [2] = BYTE\r\n"))
        << first.toStdString();
    EXPECT_TRUE(first.contains("\r\nLunghezza ArrayInput = "));
    EXPECT_TRUE(first.contains("\r\n1) A>        MOVLW 0x01\r\n")) << first.toStdString();
    EXPECT_TRUE(first.endsWith("\r\nVar. Flag_TestoModificato: 1\r\n"));
    EXPECT_EQ(PressTest(main), first);  // a new view each time, not the old text again
    EXPECT_EQ(Seams::windows, (QStringList{"Form7", "Form7", "Form7"}));
}

}  // namespace
}  // namespace tavolux::shell
