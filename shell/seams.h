// The seams of every modal step: questions, messages, the file dialog and
// the printer. A running program shows the real windows; tests switch the
// seams on and answer ahead, so no test ever waits on a modal loop.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace tavolux::shell {

class Seams {
  public:
    enum class PrintTarget { System, Pdf, NoPrinter };

    // Test mode: nothing modal is shown. A question nobody answered ahead
    // gets No and a file dialog nobody answered returns nothing; both are
    // counted so a test can see it.
    static void Enable();
    static bool Enabled();
    static void Reset();  // forget queued answers, records and hooks

    static void AnswerNextQuestion(bool yes);
    // "" chooses nothing, as ANNULLA does.
    static void ChooseNextFile(const QString& path);
    static void PrintIntoPdf(const QString& pdfPath);
    static void PrintWithNoPrinter();
    // Runs while a message is "shown" (the panes dimmed meanwhile).
    static void OnMessage(std::function<void(const QString&)> hook);

    static QStringList questions;      // every question asked, answered or not
    static QStringList messages;       // every ShowMessage text
    static QStringList fileTitles;     // the title of every file dialog shown
    static QStringList proposedFiles;  // what each file dialog was given
    static int unansweredQuestions;
    static int unansweredFileDialogs;

    // Used by the windows.
    static bool TakeAnswer(const QString& question, bool* answer);
    static bool TakeFile(QString* path);
    static PrintTarget Target();
    static QString PdfPath();
    static void RecordMessage(const QString& text);
};

// A yes/no question in the platform's message box, titled MsgTitle, with
// the buttons "Sì" and "No"; Esc and the close box answer No.
bool AskYesNo(QWidget* parent, const QString& text);
std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* parent, const QString& text);

}  // namespace tavolux::shell
