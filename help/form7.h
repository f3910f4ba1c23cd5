// The translator tables view: the variable table, the subroutine table and
// the program line store as the last translation left them.
#pragma once

#include <QDialog>

#include "translator.h"

class QPlainTextEdit;

namespace tavolux::help {

class Form7 : public QDialog {
    Q_OBJECT
  public:
    explicit Form7(QWidget* parent = nullptr);

    // Appends the dump of `state` and of the BASIC text's modified flag.
    void Form7_Form_Load(const TranslatorState& state, int flagTestoModificato);

    QPlainTextEdit* Text1;
};

// Creates the view, dumps the tables as they stand and shows it modally.
void ShowTranslatorTables(QWidget* parent, const TranslatorState& state, int flagTestoModificato);

}  // namespace tavolux::help
