#include "controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "text_files.h"

namespace tavolux::shell {

namespace {

class PlainLineEnds : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            !(key->modifiers() & Qt::ShiftModifier)) {
            return false;
        }
        QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier,
                        key->text(), key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(watched, &plain);
        return true;
    }
};

}  // namespace

QPushButton* MakeCommandButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace tavolux::shell

namespace tavolux::shell {

void KeepLinesPlain(QPlainTextEdit* pane) {
    pane->installEventFilter(new PlainLineEnds(pane));
}

QString PaneText(const QPlainTextEdit& pane) {
    return FromPaneText(pane.document()->toRawText());
}

}  // namespace tavolux::shell
