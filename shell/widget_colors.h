// Colours of controls as &HBBGGRR values. Each control remembers the values
// painted on it, so they can be read back as set.
#pragma once

class QWidget;

namespace tavolux::shell {

void SetBackColor(QWidget* widget, int bgr);
void SetForeColor(QWidget* widget, int bgr);
int BackColor(const QWidget* widget);
int ForeColor(const QWidget* widget);

}  // namespace tavolux::shell
