// Controls that several windows build alike.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace tavolux::shell {

// A named command button that is never default nor auto-default: in a
// dialog, Enter in a text box then presses no button.
QPushButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption);

}  // namespace tavolux::shell
