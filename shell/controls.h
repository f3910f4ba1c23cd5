// Controls that several windows build alike.
#pragma once

#include <QSize>
#include <QString>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tavolux::shell {

// A named command button that is never default nor auto-default: in a
// dialog, Enter in a text box then presses no button.
QPushButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption);

// An editing pane whose text is kept as given: Shift+Enter ends a line as
// Enter does, instead of breaking it with a line separator inside.
void KeepLinesPlain(QPlainTextEdit* pane);
// The pane's text as it holds it, with CR LF line ends: unlike
// toPlainText(), no-break spaces and line separators stay what they are.
QString PaneText(const QPlainTextEdit& pane);

// The room a window about to open has on the screen: the free area of the
// main window's screen (or the primary one), less the frame the window
// system draws around a window, as it drew it around the main window.
QSize WindowRoom();
// Moves a window about to open to the centre of that screen, wholly on it
// wherever it fits.
void OpenOnScreen(QWidget* window);

}  // namespace tavolux::shell
