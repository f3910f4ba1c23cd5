#include "controls.h"

#include <QPushButton>

namespace tavolux::shell {

QPushButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace tavolux::shell
