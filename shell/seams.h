// The seams of every modal step: questions, message boxes, the program's
// messages, the file dialog, modal windows, the printer and the random
// numbers. A running program shows the real windows; tests switch the seams
// on and answer ahead, so no test ever waits on a modal loop.
#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

namespace tavolux::shell {

class Seams {
  public:
    enum class PrintTarget { System, Pdf, NoPrinter };
    using WindowHook = std::function<void(QDialog&)>;

    // Test mode: nothing modal is shown. A question nobody answered ahead
    // gets No, a file dialog nobody answered returns nothing and a modal
    // window nobody handles is closed at once; each is counted so a test
    // can see it.
    static void Enable();
    static bool Enabled();
    static void Reset();  // forget queued answers, records and hooks

    static void AnswerNextQuestion(bool yes);
    // "" chooses nothing, as ANNULLA does.
    static void ChooseNextFile(const QString& path);
    // The next modal window runs `hook` on itself, shown, in place of its
    // modal loop; a window the hook leaves open is then closed as by its
    // close box. Hooks are taken in the order the windows open, so a hook
    // may queue the hook of a window it opens in turn.
    static void OnNextWindow(WindowHook hook);
    static void PrintIntoPdf(const QString& pdfPath);
    static void PrintWithNoPrinter();
    // Runs while a message is "shown" (the panes dimmed meanwhile).
    static void OnMessage(std::function<void(const QString&)> hook);
    // Makes the random numbers repeatable.
    static void SeedRandom(quint32 seed);

    static QStringList questions;         // every question asked, answered or not
    static QStringList questionTitles;    // the title of each
    static QStringList questionDefaults;  // the caption of each one's default button
    static QStringList messages;          // every ShowMessage text
    static QStringList boxTitles;         // every OK message box: its title
    static QStringList boxTexts;          // and its text
    static QStringList fileTitles;        // the title of every file dialog shown
    static QStringList proposedFiles;     // what each file dialog was given
    static QStringList windows;           // the object name of every modal window run
    static int unansweredQuestions;
    static int unansweredFileDialogs;
    static int unhandledWindows;

    // Used by the windows.
    static bool TakeAnswer(const QString& title, const QString& question,
                           const QString& defaultButton, bool* answer);
    static bool TakeFile(const QString& title, const QString& proposed, QString* path);
    static bool TakeWindowHook(const QString& name, WindowHook* hook);
    static bool RecordBox(const QString& title, const QString& text);
    static PrintTarget Target();
    static QString PdfPath();
    static void RecordMessage(const QString& text);
    static QRandomGenerator& Random();
};

}  // namespace tavolux::shell
