#include "seams.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QQueue>

#include "shell_state.h"

namespace tavolux::shell {

namespace {

bool enabled = false;
QQueue<bool> answers;
QQueue<QString> files;
Seams::PrintTarget target = Seams::PrintTarget::System;
QString pdfPath;
std::function<void(const QString&)> messageHook;

}  // namespace

QStringList Seams::questions;
QStringList Seams::messages;
QStringList Seams::fileTitles;
QStringList Seams::proposedFiles;
int Seams::unansweredQuestions = 0;
int Seams::unansweredFileDialogs = 0;

void Seams::Enable() {
    enabled = true;
}
bool Seams::Enabled() {
    return enabled;
}

void Seams::Reset() {
    answers.clear();
    files.clear();
    target = PrintTarget::System;
    pdfPath.clear();
    messageHook = nullptr;
    questions.clear();
    messages.clear();
    fileTitles.clear();
    proposedFiles.clear();
    unansweredQuestions = 0;
    unansweredFileDialogs = 0;
}

void Seams::AnswerNextQuestion(bool yes) {
    answers.enqueue(yes);
}
void Seams::ChooseNextFile(const QString& path) {
    files.enqueue(path);
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

bool Seams::TakeAnswer(const QString& question, bool* answer) {
    if (!enabled) return false;
    questions << question;
    if (answers.isEmpty()) {
        ++unansweredQuestions;
        *answer = false;
    } else {
        *answer = answers.dequeue();
    }
    return true;
}

bool Seams::TakeFile(QString* path) {
    if (!enabled) return false;
    fileTitles << Globals().SelectFileTitle;
    proposedFiles << Globals().CurrentFile;
    if (files.isEmpty()) {
        ++unansweredFileDialogs;
        path->clear();
    } else {
        *path = files.dequeue();
    }
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

std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* parent, const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, Globals().MsgTitle, text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box->button(QMessageBox::No)->setText(QStringLiteral("No"));
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool AskYesNo(QWidget* parent, const QString& text) {
    bool answer = false;
    if (Seams::TakeAnswer(text, &answer)) return answer;
    return MakeQuestionBox(parent, text)->exec() == QMessageBox::Yes;
}

}  // namespace tavolux::shell
