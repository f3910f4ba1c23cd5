#include "seams.h"

#include <QQueue>

namespace tavolux::shell {

namespace {

bool enabled = false;
QQueue<bool> answers;
QQueue<QString> files;
QQueue<Seams::WindowHook> windowHooks;
Seams::PrintTarget target = Seams::PrintTarget::System;
QString pdfPath;
std::function<void(const QString&)> messageHook;
QRandomGenerator seeded;
bool isSeeded = false;

}  // namespace

QStringList Seams::questions;
QStringList Seams::questionTitles;
QStringList Seams::questionDefaults;
QStringList Seams::messages;
QStringList Seams::boxTitles;
QStringList Seams::boxTexts;
QStringList Seams::fileTitles;
QStringList Seams::proposedFiles;
QStringList Seams::windows;
int Seams::unansweredQuestions = 0;
int Seams::unansweredFileDialogs = 0;
int Seams::unhandledWindows = 0;

void Seams::Enable() {
    enabled = true;
}
bool Seams::Enabled() {
    return enabled;
}

void Seams::Reset() {
    answers.clear();
    files.clear();
    windowHooks.clear();
    target = PrintTarget::System;
    pdfPath.clear();
    messageHook = nullptr;
    isSeeded = false;
    questions.clear();
    questionTitles.clear();
    questionDefaults.clear();
    messages.clear();
    boxTitles.clear();
    boxTexts.clear();
    fileTitles.clear();
    proposedFiles.clear();
    windows.clear();
    unansweredQuestions = 0;
    unansweredFileDialogs = 0;
    unhandledWindows = 0;
}

void Seams::AnswerNextQuestion(bool yes) {
    answers.enqueue(yes);
}
void Seams::ChooseNextFile(const QString& path) {
    files.enqueue(path);
}
void Seams::OnNextWindow(WindowHook hook) {
    windowHooks.enqueue(std::move(hook));
}

void Seams::PrintIntoPdf(const QString& path) {
    target = PrintTarget::Pdf;
    pdfPath = path;
}

void Seams::PrintWithNoPrinter() {
    target = PrintTarget::NoPrinter;
}

void Seams::OnMessage(std::function<void(const QString&)> hook) {
    messageHook = std::move(hook);
}

void Seams::SeedRandom(quint32 seed) {
    seeded.seed(seed);
    isSeeded = true;
}

bool Seams::TakeAnswer(const QString& title, const QString& question, const QString& defaultButton,
                       bool* answer) {
    if (!enabled) return false;
    questions << question;
    questionTitles << title;
    questionDefaults << defaultButton;
    if (answers.isEmpty()) {
        ++unansweredQuestions;
        *answer = false;
    } else {
        *answer = answers.dequeue();
    }
    return true;
}

bool Seams::TakeFile(const QString& title, const QString& proposed, QString* path) {
    if (!enabled) return false;
    fileTitles << title;
    proposedFiles << proposed;
    if (files.isEmpty()) {
        ++unansweredFileDialogs;
        path->clear();
    } else {
        *path = files.dequeue();
    }
    return true;
}

bool Seams::TakeWindowHook(const QString& name, WindowHook* hook) {
    if (!enabled) return false;
    windows << name;
    if (windowHooks.isEmpty()) {
        ++unhandledWindows;
        *hook = nullptr;
    } else {
        *hook = windowHooks.dequeue();
    }
    return true;
}

bool Seams::RecordBox(const QString& title, const QString& text) {
    if (!enabled) return false;
    boxTitles << title;
    boxTexts << text;
    return true;
}

Seams::PrintTarget Seams::Target() {
    return target;
}
QString Seams::PdfPath() {
    return pdfPath;
}

void Seams::RecordMessage(const QString& text) {
    messages << text;
    if (messageHook) messageHook(text);
}

QRandomGenerator& Seams::Random() {
    return isSeeded ? seeded : *QRandomGenerator::global();
}

}  // namespace tavolux::shell
