#include "widget_colors.h"

#include <QVariant>
#include <QWidget>

#include "numbers.h"

namespace tavolux::shell {

namespace {

void Paint(QWidget* widget) {
    QString css;
    QVariant back = widget->property("backColor");
    QVariant fore = widget->property("foreColor");
    if (back.isValid()) css += "background-color: " + BgrToQColor(back.toInt()).name() + ";";
    if (fore.isValid()) css += "color: " + BgrToQColor(fore.toInt()).name() + ";";
    // Captions use the whole width of the narrow column buttons.
    if (widget->inherits("QPushButton")) css += "padding: 0px;";
    // A new style sheet polishes the control again, which can give it back
    // an older font; a bold pane or a new size must survive a colour change.
    widget->ensurePolished();
    const QFont font = widget->font();
    widget->setStyleSheet(QStringLiteral("%1 { %2 }").arg(widget->metaObject()->className(), css));
    if (widget->font() != font) widget->setFont(font);
}

}  // namespace

void SetBackColor(QWidget* widget, int bgr) {
    widget->setProperty("backColor", bgr);
    Paint(widget);
}

void SetForeColor(QWidget* widget, int bgr) {
    widget->setProperty("foreColor", bgr);
    Paint(widget);
}

int BackColor(const QWidget* widget) {
    return widget->property("backColor").toInt();
}
int ForeColor(const QWidget* widget) {
    return widget->property("foreColor").toInt();
}

}  // namespace tavolux::shell
