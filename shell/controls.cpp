#include "controls.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "layout.h"
#include "shell_state.h"
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

namespace {

QScreen* MainScreen() {
    const QWidget* main = Globals().MainWindow;
    return main && main->screen() ? main->screen() : QGuiApplication::primaryScreen();
}

// What the window system adds around a window; nothing is known before
// the main window is shown.
QSize FrameExtra() {
    const QWidget* main = Globals().MainWindow;
    if (!main || !main->isVisible()) return QSize(0, 0);
    return main->frameGeometry().size() - main->geometry().size();
}

}  // namespace

QSize WindowRoom() {
    const QScreen* screen = MainScreen();
    if (!screen) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return RoomOnScreen(screen->availableGeometry(), FrameExtra());
}

void OpenOnScreen(QWidget* window) {
    const QScreen* screen = MainScreen();
    if (!screen) return;
    const QSize frame = window->size() + FrameExtra();
    const QPoint at = PlaceOnScreen(frame, screen->availableGeometry());
    window->move(at);  // the frame's top-left corner
}

}  // namespace tavolux::shell
