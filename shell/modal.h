// The platform's message boxes and the modal loop of the program's own
// windows, each through its seam.
#pragma once

#include <QString>
#include <memory>

class QDialog;
class QMessageBox;
class QWidget;

namespace tavolux::shell {

// The button Enter presses in a question. A question whose Yes deletes
// something for good defaults to No, so a stray Enter deletes nothing.
enum class DefaultAnswer { Yes, No };

// A yes/no question in the platform's message box with the buttons "Sì" and
// "No"; Esc and the close box answer No. An empty title stands for MsgTitle.
bool AskYesNo(QWidget* parent, const QString& text, const QString& title = QString(),
              DefaultAnswer byDefault = DefaultAnswer::Yes);
// "Le modifiche non salvate andranno perse. Continuare?": Yes throws the
// unsaved text away, so No is the default, as for the delete questions.
bool AskToLoseUnsavedChanges(QWidget* parent, const QString& title = QString());
std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* parent, const QString& text,
                                             const QString& title = QString(),
                                             DefaultAnswer byDefault = DefaultAnswer::Yes);

// A message in the platform's message box with an OK button.
void ShowOkMessage(QWidget* parent, const QString& title, const QString& text);

// Shows a window modally and returns its result; in tests the window's hook
// acts on it instead (see Seams::OnNextWindow).
int RunModal(QDialog& dialog);

}  // namespace tavolux::shell
