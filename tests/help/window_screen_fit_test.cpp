// Every window on a 1024 x 768 screen, as classroom projectors have: each
// opens wholly on the screen, with every control on it or within a scroll's
// reach. Run with that screen (see CMakeLists.txt: the offscreen platform's
// configuration file screens/projector.json).
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "form3.h"
#include "form4.h"
#include "form9.h"
#include "form_select_file.h"
#include "help_windows.h"
#include "my_msg_box.h"
#include "viewer_layout.h"
#include "window_fixture.h"

namespace tavolux::help {
namespace {

using shell::Seams;

// The scroll area whose scrolled surface is `control` or holds it, if any.
QScrollArea* ScrolledBy(QWidget* control, QWidget* window) {
    for (QWidget* w = control; w && w != window; w = w->parentWidget()) {
        QWidget* viewport = w->parentWidget();
        auto* area = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
        if (area && area->widget() == w) return area;
    }
    return nullptr;
}

// The window's frame lies on the screen's free area, and every control it
// shows lies inside the window, or on a surface its scroll bars reach
// wholly.
void ExpectWhollyOnScreen(QWidget* window) {
    const std::string name = window->objectName().toStdString();
    QApplication::processEvents();
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_EQ(screen.size(), QSize(1024, 768)) << "not the projector's screen";
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << name << " at " << window->frameGeometry().x() << "," << window->frameGeometry().y()
        << " size " << window->frameGeometry().width() << "x" << window->frameGeometry().height();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->isWindow()) continue;
        if (QScrollArea* area = ScrolledBy(control, window)) {
            const QWidget* surface = area->widget();
            EXPECT_GE(area->horizontalScrollBar()->maximum(),
                      surface->width() - area->viewport()->width())
                << name;
            EXPECT_GE(area->verticalScrollBar()->maximum(),
                      surface->height() - area->viewport()->height())
                << name;
            continue;
        }
        const QRect at(control->mapTo(window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(window->rect().contains(at))
            << name << ": " << control->metaObject()->className() << " "
            << control->objectName().toStdString() << " at " << at.x() << "," << at.y() << " size "
            << at.width() << "x" << at.height();
    }
}

class WindowsOnAProjector : public shell::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start({QStringLiteral("PROBE")});
        form_->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form4*>(w) || qobject_cast<Form9*>(w)) delete w;
        }
        WindowTest::TearDown();
    }
    // A modal window that `open` shows, checked while it is open.
    void ExpectModalWindowOnScreen(const std::function<void()>& open) {
        bool seen = false;
        Seams::OnNextWindow([&](QDialog& d) {
            seen = true;
            ExpectWhollyOnScreen(&d);
        });
        open();
        EXPECT_TRUE(seen);
    }
};

TEST_F(WindowsOnAProjector, TheMainWindowAndItsDialogs) {
    ExpectWhollyOnScreen(form_.get());
    shell::Form1& f = *form_;
    for (QPushButton* button : {f.Command10, f.ProgTMR0, f.Command13, f.Command14}) {
        SCOPED_TRACE(button->text().toStdString());
        ExpectModalWindowOnScreen([button] { button->click(); });
    }
    // "Gestione parametri", and the colour picker over it.
    bool picked = false;
    Seams::OnNextWindow([&](QDialog& settings) {
        ExpectWhollyOnScreen(&settings);
        Seams::OnNextWindow([&](QDialog& picker) {
            picked = true;
            ExpectWhollyOnScreen(&picker);
        });
        QTest::mouseDClick(static_cast<shell::Form3&>(settings).Text1[0], Qt::LeftButton);
    });
    QTest::mouseClick(f.Label2, Qt::LeftButton);
    EXPECT_TRUE(picked);

    // The file dialog and the message window, as the seams never show them.
    shell::Globals().SelectFileTitle = QStringLiteral("Apertura File");
    shell::FormSelectFile files(&f);
    files.show();
    ExpectWhollyOnScreen(&files);
    shell::MyMsgBox message(&f);
    message.show();
    ExpectWhollyOnScreen(&message);
}

// The help viewer is wider than the screen where its fonts need the room:
// it is held to the screen, and its text box scrolls sideways over lines
// that stay whole.
TEST_F(WindowsOnAProjector, TheHelpViewerHeldToTheScreen) {
    form_->Command4->click();
    Form4* v = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<Form4*>(w); viewer && viewer->isVisible()) v = viewer;
    }
    ASSERT_NE(v, nullptr);
    ExpectWhollyOnScreen(v);
    EXPECT_EQ(v->height(), 496);  // as designed
    EXPECT_EQ(v->Label1->geometry(), QRect(40, 48, 217, 49));
    EXPECT_EQ(v->List1->geometry().topLeft(), QPoint(40, 112));

    QTextDocument* document = v->Text1->document();
    QScrollBar* sideways = v->Text1->horizontalScrollBar();
    const qreal room = document->textWidth() - 2 * document->documentMargin();
    qreal widest = 0;
    for (int row = 0; row < v->List1->count(); ++row) {
        v->List1->setCurrentRow(row);
        const std::string entry = v->List1->item(row)->text().toStdString();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const std::string line = block.text().toStdString();
            document->documentLayout()->blockBoundingRect(block);
            const QTextLayout* layout = block.layout();
            if (!IsParagraph(line)) {
                EXPECT_EQ(layout->lineCount(), 1) << entry << ": " << line;
            }
            for (int i = 0; i < layout->lineCount(); ++i) {
                widest = std::max(widest, layout->lineAt(i).naturalTextWidth());
                EXPECT_LE(layout->lineAt(i).naturalTextWidth(), room) << entry << ": " << line;
            }
        }
        // The scroll bar reaches the end of the widest line.
        QApplication::processEvents();
        EXPECT_GE(sideways->maximum() + v->Text1->viewport()->width(),
                  static_cast<int>(document->size().width()))
            << entry;
    }
    // This screen holds the box narrower than its lines: it scrolls.
    EXPECT_GT(widest + 2 * document->documentMargin(), v->Text1->viewport()->width());
    EXPECT_GT(sideways->maximum(), 0);
}

// The WAIT calculator: held to the screen, its panels scroll.
TEST_F(WindowsOnAProjector, TheWaitCalculatorHeldToTheScreen) {
    ShowWaitCalculator();
    Form9* f = OpenWaitCalculator();
    ASSERT_NE(f, nullptr);
    ExpectWhollyOnScreen(f);
    auto* panels = f->findChild<QScrollArea*>("Panels");
    ASSERT_NE(panels, nullptr);
    for (QLineEdit* box : {f->Text1, f->Text5, f->Text6, f->Text12}) {
        const QRect onSurface(box->mapTo(panels->widget(), QPoint(0, 0)), box->size());
        panels->ensureVisible(onSurface.center().x(), onSurface.center().y(), box->width() / 2 + 1,
                              box->height() / 2 + 1);
        QApplication::processEvents();
        const QRect at(box->mapTo(panels->viewport(), QPoint(0, 0)), box->size());
        EXPECT_TRUE(panels->viewport()->rect().contains(at)) << box->objectName().toStdString();
    }
}

}  // namespace
}  // namespace tavolux::help
