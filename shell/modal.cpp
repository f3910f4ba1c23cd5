#include "modal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>

#include "seams.h"
#include "shell_state.h"

namespace tavolux::shell {

namespace {

const QString kYes = QStringLiteral("Sì");
const QString kNo = QStringLiteral("No");

QString TitleOrMsgTitle(const QString& title) {
    return title.isEmpty() ? Globals().MsgTitle : title;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* parent, const QString& text,
                                             const QString& title, DefaultAnswer byDefault) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, TitleOrMsgTitle(title), text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->button(QMessageBox::Yes)->setText(kYes);
    box->button(QMessageBox::No)->setText(kNo);
    box->setDefaultButton(byDefault == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool AskYesNo(QWidget* parent, const QString& text, const QString& title, DefaultAnswer byDefault) {
    bool answer = false;
    const QString defaultButton = byDefault == DefaultAnswer::No ? kNo : kYes;
    if (Seams::TakeAnswer(TitleOrMsgTitle(title), text, defaultButton, &answer)) return answer;
    return MakeQuestionBox(parent, text, title, byDefault)->exec() == QMessageBox::Yes;
}

bool AskToLoseUnsavedChanges(QWidget* parent, const QString& title) {
    return AskYesNo(parent, QString::fromUtf8(kLoseChangesQuestion), title, DefaultAnswer::No);
}

void ShowOkMessage(QWidget* parent, const QString& title, const QString& text) {
    if (Seams::RecordBox(title, text)) return;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

int RunModal(QDialog& dialog) {
    Seams::WindowHook hook;
    if (!Seams::TakeWindowHook(dialog.objectName(), &hook)) return dialog.exec();
    dialog.show();
    if (hook) hook(dialog);
    if (dialog.isVisible()) dialog.close();
    return dialog.result();
}

}  // namespace tavolux::shell
