// Tavolux: the main window is the program's only start-up window.
#include <QApplication>

#include "form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolux"));
    tavolux::shell::Form1 form;
    form.Form1_Form_Load(QApplication::arguments().mid(1));
    form.show();
    return app.exec();
}
