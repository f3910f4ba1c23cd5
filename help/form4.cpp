#include "form4.h"

#include <QDir>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "controls.h"
#include "help_list.h"
#include "help_windows.h"
#include "layout.h"
#include "modal.h"
#include "my_msg_box.h"
#include "numbers.h"
#include "platform.h"
#include "shell_state.h"
#include "text_files.h"
#include "viewer_layout.h"
#include "widget_colors.h"

static void InitHelpResources() {
    Q_INIT_RESOURCE(tavolux_help);
}

namespace tavolux::help {

using shell::Globals;
using shell::TwipsToPixels;

namespace {

// Design colours (&HBBGGRR); the geometry is the core's (viewer_layout.h).
constexpr int kWindowBack = 0xC0FFC0;
constexpr int kBlue = 0xFF0000;
constexpr int kListBack = 0xFFFFF0;

const QString kExportQuestion = QStringLiteral("Invio su file una copia dell'Help? ");
const QString kExportFailed = QStringLiteral("Impossibile scrive l'Help su file. Errore: ");

QFont MakeFont(const char* family, double points, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    if (QByteArrayView(family) == "Courier New") font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// A line of the frame, one pixel wide, in the window's text colour.
QFrame* MakeLine(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
    line->setPalette(palette);
    return line;
}

void PlaceLine(QFrame* line, double x1, double y1, double x2, double y2) {
    const int left = TwipsToPixels(x1), top = TwipsToPixels(y1);
    line->setGeometry(left, top, TwipsToPixels(x2) - left + 1, TwipsToPixels(y2) - top + 1);
}

QRect Pixels(const ViewerRect& r) {
    return TwipsToPixels(r.left, r.top, r.width, r.height);
}

// The width a scroll area takes beside its viewport: its frame and its
// vertical scroll bar.
int WidthBesideViewport(QAbstractScrollArea* area) {
    area->ensurePolished();
    const QStyle* style = area->style();
    int width = 2 * area->frameWidth() +
                style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area->verticalScrollBar());
    if (style->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, area)) {
        width += style->pixelMetric(QStyle::PM_ScrollView_ScrollBarSpacing, nullptr, area);
    }
    return width;
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

bool IsBlankEntry(const QString& item) {
    return item.trimmed().isEmpty();
}

// The run-time values of the topics; the settings file's path only when
// `withConfigPath`, as finding it probes the working folder.
HelpContext CurrentContext(bool withConfigPath) {
    const shell::ShellGlobals& g = Globals();
    HelpContext c;
    c.VersionDate = g.VersionDate.toStdString();
    c.UpdateNote1 = g.UpdateNote1.toStdString();
    c.UpdateNote2 = g.UpdateNote2.toStdString();
    c.UpdateNote3 = g.UpdateNote3.toStdString();
    c.UpdateNote4 = g.UpdateNote4.toStdString();
    c.UpdateNote5 = g.UpdateNote5.toStdString();
    if (withConfigPath) c.ConfigFilePath = shell::GetConfigFilePath().toStdString();
    return c;
}

}  // namespace

Form4::Form4(QWidget* parent) : QWidget(parent) {
    InitHelpResources();
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tavolux Help"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (QWidget* main = Globals().MainWindow) setWindowIcon(main->windowIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, shell::BgrToQColor(kWindowBack));
    setPalette(palette);
    setMouseTracking(true);

    Label1 = new QLabel(QStringLiteral("Tavolux Help"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(MakeFont("Times New Roman", 26.25, true, false));
    shell::SetForeColor(Label1, kBlue);
    shell::SetBackColor(Label1, kWindowBack);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setAttribute(Qt::WA_NoMousePropagation);  // its mouse events stay its own
    Label1->installEventFilter(this);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(MakeFont("Courier New", 12, true, false));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the list is made wide enough
    List1->setTextElideMode(Qt::ElideNone);
    shell::SetForeColor(List1, kBlue);
    shell::SetBackColor(List1, kListBack);
    List1->viewport()->setMouseTracking(true);
    List1->viewport()->installEventFilter(this);

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAcceptRichText(false);
    Text1->setFont(MakeFont("Courier New", 12, false, true));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Paragraphs wrap; the box scrolls sideways only when the screen holds
    // it narrower than its lines.
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    shell::SetBackColor(Text1, kWindowBack);
    Text1->viewport()->setMouseTracking(true);
    Text1->viewport()->installEventFilter(this);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/tavolux/pinout.png")));
    Picture1->setAutoFillBackground(true);
    Picture1->setAttribute(Qt::WA_NoMousePropagation);  // a click on it does nothing
    Picture1->raise();
    Picture1->hide();

    Line1 = MakeLine(this, "Line1");
    Line2 = MakeLine(this, "Line2");
    Line3 = MakeLine(this, "Line3");
    Line4 = MakeLine(this, "Line4");

    connect(List1, &QListWidget::itemSelectionChanged, this, &Form4::Form4_List1_Click);
    Form4_Form_Load();
    PlaceControls();
}

// The design's geometry, with the list as wide as its widest entry and the
// text box as wide as the longest line it shows whole, in their own fonts,
// as far as the screen has room; beyond that the text box keeps the width
// its lines are laid out in and scrolls sideways over them.
// The settings file's path, which "Workspace" looks up each time it is
// shown, is not measured: looking it up probes the working folder.
void Form4::PlaceControls() {
    const int listWidth = List1->sizeHintForColumn(0) + WidthBesideViewport(List1);

    const QFontMetricsF metrics(Text1->font());
    qreal widestLine = 0;
    for (const std::string& line : LinesShownWhole(CurrentContext(false))) {
        widestLine = std::max(widestLine, metrics.horizontalAdvance(QString::fromUtf8(
                                              line.data(), static_cast<qsizetype>(line.size()))));
    }
    const int textWidth = static_cast<int>(std::ceil(widestLine)) +
                          static_cast<int>(std::ceil(2 * Text1->document()->documentMargin())) +
                          Text1->cursorWidth() + WidthBesideViewport(Text1);

    const ViewerLayout layout =
        ComputeViewerLayout(shell::PixelsToTwips(listWidth), shell::PixelsToTwips(textWidth),
                            shell::PixelsToTwips(shell::WindowRoom().width()));
    if (layout.textLinesWidth > layout.text.width) {
        Text1->setLineWrapMode(QTextEdit::FixedPixelWidth);
        Text1->setLineWrapColumnOrWidth(TwipsToPixels(layout.textLinesWidth) -
                                        WidthBesideViewport(Text1));
    } else {
        Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    }
    setFixedSize(TwipsToPixels(layout.windowWidth), TwipsToPixels(layout.windowHeight));
    Label1->setGeometry(Pixels(layout.label));
    List1->setGeometry(Pixels(layout.list));
    Text1->setGeometry(Pixels(layout.text));
    Picture1->setGeometry(Pixels(layout.picture));
    const double left = layout.frameLeft, top = layout.frameTop;
    const double right = layout.frameRight, bottom = layout.frameBottom;
    PlaceLine(Line1, left, top, right, top);
    PlaceLine(Line2, left, bottom, right, bottom);
    PlaceLine(Line3, right, top, right, bottom);
    PlaceLine(Line4, left, top, left, bottom);
}

void Form4::Form4_Form_Load() {
    ShowInstructions();
    for (std::string_view item : HelpListItems()) {
        List1->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
}

QString Form4::Text() const {
    return shell::FromPaneText(Text1->toPlainText());
}

void Form4::ShowInstructions() {
    const std::string_view text = HelpInstructions();
    Text1->setPlainText(
        shell::ToPaneText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
}

void Form4::Form4_List1_Click() {
    const QList<QListWidgetItem*> chosen = List1->selectedItems();
    if (chosen.isEmpty()) return;
    const QByteArray item = chosen.first()->text().toUtf8();

    const HelpDispatch dispatch = DispatchHelpItem(View(item));
    const auto& procedures = dispatch.procedures;
    const auto runs = [&](std::string_view procedure) {
        return std::find(procedures.begin(), procedures.end(), procedure) != procedures.end();
    };
    if (runs(kShowWaitCalculator)) ShowWaitCalculator();
    const std::string text = HelpPageText(View(item), CurrentContext(runs("ShowTopicWorkspace")));
    Text1->setPlainText(
        shell::ToPaneText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    Picture1->setVisible(dispatch.showPicture);
}

// The file holds what every entry shows (BuildHelpExport); it is written
// whole or not at all, and no pending event runs meanwhile. Once it is
// written, the list is gone through entry by entry as well, so the window
// ends as the export leaves it: the last entry chosen and, from
// "WAIT (Utility)", the WAIT calculator open.
void Form4::Form4_Text1_DblClick() {
    QPointer<Form4> alive(this);
    if (!shell::AskYesNo(this, kExportQuestion) || !alive) return;

    const QString path = shell::HelpExportPath();
    const std::string text = BuildHelpExport(CurrentContext(true));
    QString error = QStringLiteral("nessuna cartella di lavoro in cui scrivere.");
    if (path.isEmpty() ||
        !shell::WriteFileAtomically(path, QByteArray::fromStdString(text), &error)) {
        shell::ShowMessage(kExportFailed + error, this);
        return;
    }

    for (int row = 0; row < List1->count(); ++row) {
        if (!IsBlankEntry(List1->item(row)->text())) List1->setCurrentRow(row);
    }
    shell::ShowMessage(QStringLiteral("E' stato creato il file ") + QDir::toNativeSeparators(path),
                       this);
}

void Form4::CloseWhenAppClosing() {
    if (Globals().Flag_AppClosing) close();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    const bool onList = watched == List1->viewport(), onText = watched == Text1->viewport();
    switch (event->type()) {
        case QEvent::MouseMove:
            if (onList || onText) CloseWhenAppClosing();
            break;
        case QEvent::MouseButtonDblClick:
            if (onText && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                Form4_Text1_DblClick();
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (watched == Label1 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                Label1->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                close();
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    CloseWhenAppClosing();
}

// A click on the window's own surface, outside the controls.
void Form4::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        close();
    }
}

void ShowHelpViewer() {
    static QPointer<Form4> viewer;
    // A closed viewer is only waiting to be deleted: a new one takes its place.
    if (!viewer || viewer->isHidden()) {
        viewer = new Form4;
        shell::OpenOnScreen(viewer);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace tavolux::help
