// The help viewer under the offscreen platform: opened from the main
// window, what each entry shows, the closing rules and the export.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <functional>

#include "form4.h"
#include "form9.h"
#include "help_list.h"
#include "help_windows.h"
#include "numbers.h"
#include "viewer_layout.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::help {
namespace {

using shell::Globals;
using shell::Seams;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The open viewers (a closed one is hidden until it is deleted).
QList<Form4*> OpenViewers() {
    QList<Form4*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<Form4*>(w); viewer && !viewer->isHidden()) open << viewer;
    }
    return open;
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A mouse movement with no button held, delivered as the platform delivers it.
void MoveOver(QWidget* widget, QPoint pos = QPoint(5, 5)) {
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// What the viewer shows for an entry, as the core builds it.
QString ExpectedText(std::string_view item) {
    const shell::ShellGlobals& g = Globals();
    HelpContext c{g.VersionDate.toStdString(),
                  g.UpdateNote1.toStdString(),
                  g.UpdateNote2.toStdString(),
                  g.UpdateNote3.toStdString(),
                  g.UpdateNote4.toStdString(),
                  g.UpdateNote5.toStdString(),
                  shell::GetConfigFilePath().toStdString()};
    return FromUtf8(HelpPageText(item, c));
}

class WindowHelpViewer : public shell::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        QFile::remove(shell::HelpExportPath());
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form4*>(w)) delete w;
        }
        DeleteClosedWindows();
        const QString exported = shell::HelpExportPath();
        QFile::remove(exported);
        QDir().rmdir(exported);
        WindowTest::TearDown();
    }
    // The main window started and "Help" pressed.
    Form4* Open() {
        shell::Form1& f = form_ ? *form_ : Start();
        f.Command4->click();
        const QList<Form4*> open = OpenViewers();
        return open.size() == 1 ? open.first() : nullptr;
    }
    static QString Instructions() { return FromUtf8(HelpInstructions()); }
};

TEST_F(WindowHelpViewer, HelpOpensOneViewerAndAClosedOneIsMadeAnew) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "Tavolux Help");
    EXPECT_EQ(v->Text(), Instructions());
    EXPECT_TRUE(v->List1->selectedItems().isEmpty());
    ASSERT_EQ(v->List1->count(), 73);
    for (int i = 0; i < 73; ++i) {
        EXPECT_EQ(v->List1->item(i)->text(), FromUtf8(HelpListItems()[i])) << i;
    }

    // A second press brings the same viewer forward, its entry and text kept.
    v->List1->setCurrentRow(5);
    const QString text = v->Text();
    form_->Command4->click();
    ASSERT_EQ(OpenViewers(), QList<Form4*>{v});
    EXPECT_EQ(v->List1->currentRow(), 5);
    EXPECT_EQ(v->Text(), text);
    EXPECT_TRUE(Seams::messages.isEmpty());

    // Each way of closing deletes the viewer; the next press makes a new one
    // that shows the instructions and no entry.
    const std::function<void(Form4*)> closers[] = {
        [](Form4* w) { w->close(); },
        [](Form4* w) { QTest::mouseClick(w->Label1, Qt::LeftButton); },
        [](Form4* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, 8)); },
    };
    for (const auto& closeIt : closers) {
        QPointer<Form4> old = OpenViewers().value(0);
        ASSERT_TRUE(old);
        closeIt(old);
        DeleteClosedWindows();
        EXPECT_TRUE(old.isNull());
        Form4* again = Open();
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->Text(), Instructions());
        EXPECT_TRUE(again->List1->selectedItems().isEmpty());
    }

    // Closed and pressed again before the closed one is deleted: still one.
    OpenViewers().value(0)->close();
    Form4* next = Open();
    ASSERT_NE(next, nullptr);
    DeleteClosedWindows();
    EXPECT_EQ(OpenViewers(), QList<Form4*>{next});
}

// The design's places and sizes (in pixels at 96 dpi); the list and the text
// box may be wider, as their fonts need, and what stands at their right
// moves with them.
TEST_F(WindowHelpViewer, DesignValues) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    const int listGrowth = v->List1->width() - 209, textGrowth = v->Text1->width() - 633;
    EXPECT_GE(listGrowth, 0);
    EXPECT_GE(textGrowth, 0);
    const int growth = listGrowth + textGrowth;
    EXPECT_EQ(v->size(), QSize(951 + growth, 496));  // 14265 x 7440 twips as designed
    EXPECT_EQ(v->palette().color(QPalette::Window), shell::BgrToQColor(0xC0FFC0));
    EXPECT_EQ(v->Label1->text(), "Tavolux Help");
    EXPECT_EQ(v->Label1->geometry(), QRect(40, 48, 217, 49));
    EXPECT_EQ(shell::ForeColor(v->Label1), 0xFF0000);
    EXPECT_DOUBLE_EQ(v->Label1->font().pointSizeF(), 26.25);
    EXPECT_TRUE(v->Label1->font().bold());
    EXPECT_EQ(v->List1->geometry(), QRect(40, 112, 209 + listGrowth, 344));
    EXPECT_EQ(shell::ForeColor(v->List1), 0xFF0000);
    EXPECT_EQ(shell::BackColor(v->List1), 0xFFFFF0);
    EXPECT_DOUBLE_EQ(v->List1->font().pointSizeF(), 12);
    EXPECT_TRUE(v->List1->font().bold());
    EXPECT_EQ(v->Text1->geometry(), QRect(264 + listGrowth, 40, 633 + textGrowth, 417));
    EXPECT_EQ(shell::BackColor(v->Text1), 0xC0FFC0);
    EXPECT_DOUBLE_EQ(v->Text1->font().pointSizeF(), 12);
    EXPECT_TRUE(v->Text1->font().italic());
    EXPECT_EQ(v->Text1->lineWrapMode(), QTextEdit::WidgetWidth);  // the screen has the room
    EXPECT_EQ(v->Picture1->geometry(), QRect(416 + growth, 80, 353, 372));
    EXPECT_FALSE(v->Picture1->isVisible());
    EXPECT_EQ(v->Picture1->pixmap().size(), QSize(346, 367));
    EXPECT_EQ(v->Line1->geometry(), QRect(16, 16, 913 + growth, 1));
    EXPECT_EQ(v->Line2->geometry(), QRect(16, 472, 913 + growth, 1));
    EXPECT_EQ(v->Line3->geometry(), QRect(928 + growth, 16, 1, 457));
    EXPECT_EQ(v->Line4->geometry(), QRect(16, 16, 1, 457));
}

TEST_F(WindowHelpViewer, EveryEntryShowsWhatTheDispatchSays) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    for (int row = 0; row < v->List1->count(); ++row) {
        const QByteArray item = v->List1->item(row)->text().toUtf8();
        v->List1->setCurrentRow(row);
        EXPECT_EQ(v->Text(), ExpectedText(item.toStdString())) << item.constData();
        EXPECT_EQ(v->Picture1->isVisible(), item == "Package") << item.constData();
    }
    // A click on an entry shows it too; the picture goes with the next entry.
    QListWidget* list = v->List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(v->Picture1->isVisible());
    EXPECT_EQ(v->Text(), "\r\n");
    QTest::mouseClick(v->Picture1, Qt::LeftButton);  // does nothing
    EXPECT_FALSE(v->isHidden());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_FALSE(v->Picture1->isVisible());
    EXPECT_EQ(v->Text(), ExpectedText("Aritmetica di base"));
    EXPECT_TRUE(v->Text().startsWith("\r\nTutte le costanti numeriche sono a 8 bit.\r\n"));
}

// Every entry is drawn whole in the list's own font: its text fits the
// rectangle the style draws an item's text in, and that rectangle lies
// inside the list's viewport.
TEST_F(WindowHelpViewer, EveryEntryIsShownWhole) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    QListWidget* list = v->List1;
    const QFontMetrics metrics(list->font());
    const QRect viewport = list->viewport()->rect();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        QStyleOptionViewItem option;
        option.initFrom(list->viewport());
        option.widget = list;
        option.font = list->font();
        option.features = QStyleOptionViewItem::HasDisplay;
        option.text = item->text();
        option.rect = list->visualItemRect(item);
        const QRect text =
            list->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, list);
        const std::string name = item->text().toStdString();
        EXPECT_LE(metrics.horizontalAdvance(item->text()), text.width()) << name;
        EXPECT_TRUE(viewport.contains(text)) << name;
    }
}

// Every line the topic broke itself is laid out as one line, for every
// entry; a paragraph wraps, and no laid-out line runs past the box.
TEST_F(WindowHelpViewer, EveryTopicLineIsShownAsOneLine) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    QTextDocument* document = v->Text1->document();
    const qreal room = v->Text1->viewport()->width() - 2 * document->documentMargin();
    int paragraphs = 0;
    for (int row = 0; row < v->List1->count(); ++row) {
        v->List1->setCurrentRow(row);
        const std::string entry = v->List1->item(row)->text().toStdString();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const std::string line = block.text().toStdString();
            document->documentLayout()->blockBoundingRect(block);  // lays the block out
            const QTextLayout* layout = block.layout();
            if (IsParagraph(line)) {
                ++paragraphs;
            } else {
                EXPECT_EQ(layout->lineCount(), 1) << entry << ": " << line;
            }
            for (int i = 0; i < layout->lineCount(); ++i) {
                EXPECT_LE(layout->lineAt(i).naturalTextWidth(), room) << entry << ": " << line;
            }
        }
    }
    EXPECT_GT(paragraphs, 0) << "no paragraph that wraps was looked at";
}

TEST_F(WindowHelpViewer, MouseMovementClosesItOnlyOnceTheMainWindowHasClosed) {
    struct Case {
        const char* over;
        std::function<QWidget*(Form4*)> target;
        bool closes;
    };
    const Case cases[] = {
        {"list", [](Form4* v) { return v->List1->viewport(); }, true},
        {"text", [](Form4* v) { return v->Text1->viewport(); }, true},
        {"surface", [](Form4* v) { return static_cast<QWidget*>(v); }, true},
        {"title", [](Form4* v) { return static_cast<QWidget*>(v->Label1); }, false},
        {"picture", [](Form4* v) { return static_cast<QWidget*>(v->Picture1); }, false},
    };
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    v->List1->setCurrentRow(1);  // the picture is shown
    for (const Case& c : cases) MoveOver(c.target(v));
    EXPECT_EQ(OpenViewers(), QList<Form4*>{v}) << "closed before the main window";

    ASSERT_TRUE(Close());
    EXPECT_TRUE(Globals().Flag_AppClosing);
    EXPECT_EQ(OpenViewers(), QList<Form4*>{v}) << "the viewer outlives the main window";
    EXPECT_EQ(v->parentWidget(), nullptr);
    delete v;

    for (const Case& c : cases) {
        ShowHelpViewer();
        Form4* viewer = OpenViewers().value(0);
        ASSERT_NE(viewer, nullptr);
        viewer->List1->setCurrentRow(1);
        MoveOver(c.target(viewer));
        EXPECT_EQ(viewer->isHidden(), c.closes) << c.over;
        delete viewer;
    }
}

TEST_F(WindowHelpViewer, WaitUtilityOpensOneCalculatorThatOutlivesTheViewer) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    v->List1->setCurrentRow(51);  // "WAIT (Utility)"
    QPointer<Form9> calculator = OpenWaitCalculator();
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_EQ(v->Text(), ExpectedText("WAIT"));

    // Chosen again: the same calculator, brought forward.
    v->List1->setCurrentRow(50);
    v->List1->setCurrentRow(51);
    EXPECT_EQ(OpenWaitCalculator(), calculator.data());
    int calculators = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form9*>(w) && w->isVisible()) ++calculators;
    }
    EXPECT_EQ(calculators, 1);

    v->close();
    DeleteClosedWindows();
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(calculator->isVisible());

    // Closed and asked for again before the closed one is deleted: a new one
    // stays open.
    calculator->close();
    ShowWaitCalculator();
    DeleteClosedWindows();
    EXPECT_TRUE(calculator.isNull());
    QPointer<Form9> next = OpenWaitCalculator();
    ASSERT_TRUE(next);
    EXPECT_TRUE(next->isVisible());
    next->close();
    DeleteClosedWindows();
    EXPECT_TRUE(next.isNull());
}

// ---- Export ------------------------------------------------------------------

TEST_F(WindowHelpViewer, ExportWritesEveryEntryAsTheViewerShowsIt) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    v->List1->setCurrentRow(1);
    Seams::AnswerNextQuestion(true);
    QTest::mouseDClick(v->Text1->viewport(), Qt::LeftButton);
    QTest::mouseRelease(v->Text1->viewport(), Qt::LeftButton);

    ASSERT_EQ(Seams::questions, QStringList{"Invio su file una copia dell'Help? "});
    EXPECT_EQ(Seams::questionTitles, QStringList{"Tavolux Message"});
    const QString path = shell::HelpExportPath();
    EXPECT_EQ(Seams::messages, QStringList{"E' stato creato il file " + path});
    // The export leaves the last entry chosen, its instructions shown.
    EXPECT_EQ(v->List1->currentRow(), 72);
    EXPECT_EQ(v->Text(), Instructions());
    EXPECT_FALSE(v->Picture1->isVisible());

    const QString file = QString::fromUtf8(Read(path));
    qsizetype at = 0;
    int blocks = 0;
    for (int row = 0; row < v->List1->count(); ++row) {
        const QString item = v->List1->item(row)->text();
        if (item.trimmed().isEmpty()) continue;
        v->List1->setCurrentRow(row);
        const QString block = item + "\r\n" + v->Text() + "\r\n \r\n \r\n";
        ASSERT_EQ(file.mid(at, block.size()), block) << item.toStdString();
        if (item == "Package") {
            EXPECT_EQ(block, "Package\r\n\r\n\r\n \r\n \r\n");
        }
        if (++blocks == 1) {
            EXPECT_TRUE(block.startsWith("Il micro PIC16F84A\r\n\r\nQuesto tipo"));
        }
        at += block.size();
    }
    EXPECT_EQ(at, file.size());
    EXPECT_EQ(blocks, 68);
    EXPECT_TRUE(file.endsWith("  ==>> Help <<==\r\n" + Instructions() + "\r\n \r\n \r\n"));
}

TEST_F(WindowHelpViewer, ExportAnsweredNoWritesNothing) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    Seams::AnswerNextQuestion(false);
    v->Form4_Text1_DblClick();
    EXPECT_EQ(Seams::questions.size(), 1);
    EXPECT_FALSE(QFile::exists(shell::HelpExportPath()));
    EXPECT_TRUE(Seams::messages.isEmpty());
    EXPECT_EQ(v->Text(), Instructions());
}

TEST_F(WindowHelpViewer, FailedExportIsReportedAndLeavesTheViewerAsItWas) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    const QString path = shell::HelpExportPath();
    ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should go
    v->List1->setCurrentRow(9);
    const QString text = v->Text();
    Seams::AnswerNextQuestion(true);
    v->Form4_Text1_DblClick();
    ASSERT_EQ(Seams::messages.size(), 1);
    const QString prefix = "Impossibile scrive l'Help su file. Errore: ";
    EXPECT_TRUE(Seams::messages[0].startsWith(prefix)) << Seams::messages[0].toStdString();
    EXPECT_GT(Seams::messages[0].size(), prefix.size()) << "the platform's error text";
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(v->List1->currentRow(), 9);
    EXPECT_EQ(v->Text(), text);
}

// Events that arrive during the export wait until it has ended: a mouse
// movement after the main window closed does not delete the viewer while
// the export still runs.
TEST_F(WindowHelpViewer, ExportRunsNoPendingEvents) {
    Form4* v = Open();
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(Close());
    QPointer<Form4> viewer = v;
    const QPoint pos(5, 5);
    QCoreApplication::postEvent(
        v->Text1->viewport(),
        new QMouseEvent(QEvent::MouseMove, pos, v->Text1->viewport()->mapToGlobal(pos),
                        Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    bool openDuringMessage = false;
    Seams::OnMessage([&](const QString&) { openDuringMessage = viewer && !viewer->isHidden(); });
    Seams::AnswerNextQuestion(true);
    v->Form4_Text1_DblClick();
    EXPECT_TRUE(openDuringMessage);
    EXPECT_TRUE(QFile::exists(shell::HelpExportPath()));
    QCoreApplication::processEvents();  // now the movement closes it
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isHidden());
}

}  // namespace
}  // namespace tavolux::help
