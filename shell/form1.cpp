#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDirIterator>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

#include "controls.h"
#include "equates.h"
#include "file_names.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form_select_file.h"
#include "help_windows.h"
#include "layout.h"
#include "modal.h"
#include "my_msg_box.h"
#include "numbers.h"
#include "platform.h"
#include "printing.h"
#include "shell_state.h"
#include "text_files.h"
#include "widget_colors.h"

static void InitTavoluxResources() {
    Q_INIT_RESOURCE(tavolux);
}

namespace tavolux::shell {

namespace {

// Design values of the window's controls (&HBBGGRR colours, twips).
constexpr int kWindowBack = 0x80;
constexpr int kBasicBack = 0xFFFFC0, kBasicFore = 0xC00000;
constexpr int kAsmBack = 0xE0E0E0, kAsmFore = 0x80;
constexpr int kPrintButton = 0x80FF80;
constexpr int kTestButton = 0xFFFF;
constexpr double kPaneFontSize = 14.25;
constexpr double kButtonWidth = 1095, kButtonHeight = 405, kLabel2Height = 375;

const QString kTitleSave = QStringLiteral("Salvataggio File");

QFont WindowFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    font.setBold(true);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int back) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(WindowFont());
    button->resize(TwipsToPixels(kButtonWidth), TwipsToPixels(kButtonHeight));
    button->setFocusPolicy(Qt::TabFocus);
    if (back >= 0) SetBackColor(button, back);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int back,
                  double height) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setBold(false);  // not the window's bold
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->resize(TwipsToPixels(kButtonWidth), TwipsToPixels(height));
    label->setCursor(Qt::PointingHandCursor);
    SetBackColor(label, back);
    return label;
}

QPlainTextEdit* MakePane(QWidget* parent, const char* name, int back, int fore) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kPaneFontSize);
    pane->setFont(font);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    KeepLinesPlain(pane);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetBackColor(pane, back);
    SetForeColor(pane, fore);
    return pane;
}

void PaintPane(QPlainTextEdit* pane, int back, int fore, double size, int bold) {
    SetBackColor(pane, back);
    SetForeColor(pane, fore);
    QFont font = pane->font();
    font.setPointSizeF(ClampFontSize(size));
    font.setBold(bold == 1);
    pane->setFont(font);
}

void Place(QWidget* widget, double left, double top) {
    widget->move(TwipsToPixels(left), TwipsToPixels(top));
}

void Place(QWidget* widget, const TwipsRect& r) {
    widget->setGeometry(TwipsToPixels(r));
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's icon, at every size it is made in: the same pictures as the
// menu entry's.
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator it(QStringLiteral(":/tavolux/icon"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) icon.addFile(it.next());
    return icon;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    InitTavoluxResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(ProgramIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BgrToQColor(kWindowBack));
    setPalette(palette);
    setFont(WindowFont());

    TextBasic = MakePane(this, "TextBasic", kBasicBack, kBasicFore);
    TextASM = MakePane(this, "TextASM", kAsmBack, kAsmFore);

    Label2 = MakeLabel(this, "Label2", QStringLiteral("BAS"), kBasicBack, kLabel2Height);
    Command2 = MakeButton(this, "Command2", QStringLiteral("Salva"), kBasicBack);
    Command3 = MakeButton(this, "Command3", QStringLiteral("Apri"), kBasicBack);
    Command4 = MakeButton(this, "Command4", QStringLiteral("Help"), kBasicBack);
    Command7 = MakeButton(this, "Command7", QStringLiteral("Clear"), kBasicBack);
    Command10 = MakeButton(this, "Command10", QStringLiteral("Esempi"), kBasicBack);
    ProgTMR0 = MakeButton(this, "ProgTMR0", QStringLiteral("Timer"), kBasicBack);
    Command14 = MakeButton(this, "Command14", QStringLiteral("BackUp"), kBasicBack);
    Command11 = MakeButton(this, "Command11", QStringLiteral("Stampa"), kPrintButton);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("ASM"), kAsmBack, kButtonHeight);
    Command5 = MakeButton(this, "Command5", QStringLiteral("Salva"), kAsmBack);
    Command8 = MakeButton(this, "Command8", QStringLiteral("Clear"), kAsmBack);
    Command9 = MakeButton(this, "Command9", QStringLiteral("Pic.Def"), kAsmBack);
    Command1 = MakeButton(this, "Command1", QStringLiteral("Translate"), kAsmBack);
    Command6 = MakeButton(this, "Command6", QString(), -1);
    QFont layoutFont = WindowFont();
    layoutFont.setPointSizeF(14.25);
    Command6->setFont(layoutFont);
    Command6->setIcon(QIcon(QStringLiteral(":/tavolux/layout_button.xpm")));
    Command6->setIconSize(QSize(74, 33));
    Command6->setToolTip(QStringLiteral("Disposizione dei riquadri"));
    Command12 = MakeButton(this, "Command12", QStringLiteral("Stampa"), kPrintButton);
    Command13 = MakeButton(this, "Command13", QStringLiteral("Test"), kTestButton);

    connect(TextBasic, &QPlainTextEdit::textChanged, this, &Form1::Form1_TextBasic_Change);
    TextBasic->viewport()->installEventFilter(this);
    TextASM->viewport()->installEventFilter(this);
    Label1->installEventFilter(this);
    Label2->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Form1::Form1_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Form1_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Form1_Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Form1_Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Form1_Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Form1_Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Form1_Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Form1_Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Form1_Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Form1_Command12_Click);
    connect(Command4, &QPushButton::clicked, this, &help::ShowHelpViewer);
    connect(Command10, &QPushButton::clicked, this, &Form1::Form1_Command10_Click);
    connect(ProgTMR0, &QPushButton::clicked, this, &Form1::Form1_ProgTMR0_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Form1_Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &Form1::Form1_Command14_Click);

    Globals().MainWindow = this;
    Globals().PanesToDim = {TextBasic, TextASM};
}

Form1::~Form1() = default;

PaneLook Form1::LookOf(const QPlainTextEdit* pane) const {
    return PaneLook{ForeColor(pane), BackColor(pane), pane->font().pointSizeF()};
}

void Form1::Form1_Form_Load(const QStringList& arguments) {
    ShellGlobals& g = Globals();
    g.VersionDate = QStringLiteral("18 Novembre 2015");
    g.UpdateNote1 = QStringLiteral("Aggiornamento del ") + g.VersionDate;
    g.UpdateNote2 = QStringLiteral("Migliorato l'algoritmo per");
    g.UpdateNote3 = QStringLiteral("lo swaping tra bit e");
    g.UpdateNote4 = QStringLiteral("variabili byte.");
    g.UpdateNote5 = QStringLiteral(" ");

    Command13->setVisible(IsProbeCommandLine(arguments));
    g.MainTitle = QStringLiteral("Tavolux - BASIC per PIC16F84A");

    // The design values are the defaults the settings file overrides.
    PaneLook basic = LookOf(TextBasic), assembly = LookOf(TextASM);
    g.Editor = EditorSettings{basic.foreColor,
                              basic.backColor,
                              assembly.foreColor,
                              assembly.backColor,
                              basic.fontSize,
                              assembly.fontSize,
                              0,
                              0};
    g.BackupDir = FindWorkDir();
    translator_.InitTranslator();
    g.PaneLayout = kFirstLayout;
    g.MsgTitle = QStringLiteral("Tavolux Message");
    LoadSettings(basic, assembly);
    ApplyEditorSettings();
    Form1_Command6_Click();

    QString caption = g.MainTitle;
    if (!g.CurrentFile.isEmpty()) {
        QString text;
        if (ReadTextFile(g.CurrentFile, &text, nullptr)) {
            SetBasicText(text);
            caption = g.CurrentFile;
        }
    }
    setWindowTitle(caption);
    g.Flag_TestoModificato = 0;
}

void Form1::ApplyEditorSettings() {
    EditorSettings& e = Globals().Editor;
    ClampColorsForDisplay(e);
    PaintPane(TextBasic, e.BasicBackColor, e.BasicForeColor, e.BasicFontSize, e.BasicFontBold);
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Command2, Command3, Command4,
                                                      Command7, Command10, ProgTMR0, Command14}) {
        SetBackColor(w, e.BasicBackColor);
    }
    PaintPane(TextASM, e.AsmBackColor, e.AsmForeColor, e.AsmFontSize, e.AsmFontBold);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label1, Command5, Command8, Command9, Command1}) {
        SetBackColor(w, e.AsmBackColor);
    }
}

QString Form1::BasicText() const {
    return PaneText(*TextBasic);
}
QString Form1::AsmText() const {
    return PaneText(*TextASM);
}
void Form1::SetBasicText(const QString& text) {
    TextBasic->setPlainText(ToPaneText(text));
}
void Form1::SetAsmText(const QString& text) {
    TextASM->setPlainText(ToPaneText(text));
}

void Form1::Form1_TextBasic_Change() {
    Globals().Flag_TestoModificato = 1;
}

void Form1::Form1_TextBasic_DblClick() {
    Globals().PaneLayout = kBasicAlone;
    Form1_Command6_Click();
}

void Form1::Form1_TextASM_DblClick() {
    Globals().PaneLayout = kAsmAlone;
    Form1_Command6_Click();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == TextBasic->viewport()) Form1_TextBasic_DblClick();
        if (watched == TextASM->viewport()) Form1_TextASM_DblClick();
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == Label1 || watched == Label2)) {
        if (watched == Label1) {
            Form1_Label1_Click();
        } else {
            Form1_Label2_Click();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Form1_Label1_Click() {
    ShowPaneSettings();
}
void Form1::Form1_Label2_Click() {
    ShowPaneSettings();
}

void Form1::ShowPaneSettings() {
    Form3 dialog(this);
    connect(&dialog, &Form3::EditorSettingsChanged, this, &Form1::ApplyEditorSettings);
    RunModal(dialog);
}

// ---- Translate -------------------------------------------------------------

void Form1::Form1_Command1_Click() {
    const QString basic = BasicText();
    if (IsBlank(basic)) return;

    SetBackColor(Command1, Rgb(255, 70, 70));
    Command1->setText(QStringLiteral("Wait..."));
    Command1->setEnabled(false);
    Command1->repaint();

    QByteArray basicUtf8 = basic.toUtf8();
    QByteArray fileUtf8 = Globals().CurrentFile.toUtf8();
    TranslationResult result = translator_.TranslateProgram(
        std::string_view(basicUtf8.constData(), static_cast<size_t>(basicUtf8.size())),
        std::string_view(fileUtf8.constData(), static_cast<size_t>(fileUtf8.size())));

    QString returned = FromUtf8(result.basicText);
    if (returned != basic) {
        if (returned.startsWith(basic)) {
            // Only a line end was added: append it, so the cursor, the
            // scroll position and the undo history stay as the user left them.
            QTextCursor end(TextBasic->document());
            end.movePosition(QTextCursor::End);
            end.insertText(ToPaneText(returned.mid(basic.size())));
        } else {
            SetBasicText(returned);
        }
    }
    SetAsmText(FromUtf8(result.asmText));
    ShowMessage(result.flagError ? AsmText() : FromUtf8(result.statistics));

    Command1->setEnabled(true);
    Command1->setText(QStringLiteral("Translate"));
    SetBackColor(Command1, BackColor(Command9));
}

// ---- Layout ----------------------------------------------------------------

void Form1::Form1_Command6_Click() {
    ShellGlobals& g = Globals();
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    QSize pixels = screen ? screen->geometry().size() : QSize(800, 600);
    LayoutInput in;
    in.screenWidth = static_cast<int>(PixelsToTwips(pixels.width()));
    in.screenHeight = static_cast<int>(PixelsToTwips(pixels.height()));
    in.paneLayout = g.PaneLayout;
    in.label2Top = label2TopTwips_;
    LayoutResult r = ComputeLayout(in);

    resize(TwipsToPixels(r.windowWidth), TwipsToPixels(r.windowHeight));
    if (r.moveBasic) Place(TextBasic, r.basic);
    if (r.moveAsm) Place(TextASM, r.assembly);
    TextBasic->setVisible(r.showBasic);
    TextASM->setVisible(r.showAsm);

    if (r.placeColumns) {
        label2TopTwips_ = r.label2Top;
        Place(Label2, r.columnLeft, r.label2Top);
        QPushButton* bas[] = {Command2,  Command3, Command4,  Command7,
                              Command10, ProgTMR0, Command14, Command11};
        for (size_t i = 0; i < r.basTops.size(); ++i) Place(bas[i], r.columnLeft, r.basTops[i]);
        Place(Label1, r.columnLeft, r.label1Top);
        QPushButton* asmColumn[] = {Command5, Command8,  Command9, Command1,
                                    Command6, Command12, Command13};
        for (size_t i = 0; i < r.asmTops.size(); ++i) {
            Place(asmColumn[i], r.columnLeft, r.asmTops[i]);
        }
    }
    g.PaneLayout = r.nextLayout;
}

// ---- Files -----------------------------------------------------------------

QString Form1::ChooseFile(const QString& title, const QString& proposed) {
    ShellGlobals& g = Globals();
    const QString remembered = g.CurrentFile;
    g.SelectFileTitle = title;
    g.CurrentFile = proposed;
    ShowSelectFile(this);
    const QString chosen = g.CurrentFile;
    g.CurrentFile = remembered;
    return chosen;
}

bool Form1::ConfirmOverwrite(const QString& path, const QString& sameFileAllowed) {
    if (!RegularFileExists(path)) return true;
    if (SamePath(path, sameFileAllowed)) return true;
    const QString& created = Globals().SelectFileCreated;
    if (!created.isEmpty() && SamePath(path, created)) return true;
    return AskYesNo(this, QStringLiteral("Il file ") + path +
                              QStringLiteral(" esiste già.\r\nDeve essere sovrascritto?"));
}

Form1::SaveOutcome Form1::SaveBasicText() {
    ShellGlobals& g = Globals();
    const QString text = BasicText();
    if (IsBlank(text)) return SaveOutcome::Blank;
    const QString remembered = g.CurrentFile;
    const QString chosen = ChooseFile(kTitleSave, remembered);
    if (chosen.isEmpty() || !ConfirmOverwrite(chosen, remembered)) return SaveOutcome::Cancelled;
    QString error;
    if (!WriteFileAtomically(chosen, text.toUtf8(), &error)) {
        ShowMessage(QStringLiteral("Impossibile salvare il file ") + chosen +
                    QStringLiteral("\r\nErrore: ") + error);
        return SaveOutcome::Failed;
    }
    g.CurrentFile = chosen;
    g.Flag_TestoModificato = 0;
    return SaveOutcome::Saved;
}

bool Form1::MayDiscardUnsavedText() {
    if (Globals().Flag_TestoModificato == 0) return true;
    SaveOutcome outcome = SaveBasicText();
    if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::Blank) return true;
    return AskToLoseUnsavedChanges(this);
}

void Form1::Form1_Command2_Click() {
    SaveBasicText();
}

void Form1::Form1_Command3_Click() {
    ShellGlobals& g = Globals();
    if (g.Flag_TestoModificato != 0 &&
        AskYesNo(this, QStringLiteral("***ATTENZIONE***\r\nSalvare le modifiche effettuate ?"))) {
        SaveOutcome outcome = SaveBasicText();
        if ((outcome == SaveOutcome::Cancelled || outcome == SaveOutcome::Failed) &&
            !AskToLoseUnsavedChanges(this)) {
            return;
        }
    }
    const QString chosen = ChooseFile(QStringLiteral("Apertura File"), g.CurrentFile);
    if (chosen.isEmpty()) return;
    QString text, error;
    if (!ReadTextFile(chosen, &text, &error)) {
        ShowMessage(QStringLiteral("Impossibile aprire il file ") + chosen +
                    QStringLiteral("\r\nErrore: ") + error);
        return;
    }
    g.CurrentFile = chosen;
    SetBasicText(text);
    g.Flag_TestoModificato = 0;
    setWindowTitle(chosen);
    TextASM->clear();
}

void Form1::Form1_Command7_Click() {
    if (!MayDiscardUnsavedText()) return;
    ShellGlobals& g = Globals();
    TextBasic->clear();
    TextASM->clear();
    g.CurrentFile.clear();
    setWindowTitle(g.MainTitle);
    g.Flag_TestoModificato = 0;
}

void Form1::Form1_Command5_Click() {
    ShellGlobals& g = Globals();
    const QString text = AsmText();
    if (IsBlank(text)) return;
    const QString basicFile = g.CurrentFile;
    const QString chosen =
        ChooseFile(QStringLiteral("Salvataggio File ASM"), AsmPathFor(basicFile));
    if (chosen.isEmpty()) return;
    if (SamePath(chosen, basicFile)) {
        ShowMessage(QStringLiteral("Il file ") + chosen +
                    QStringLiteral(" è il programma BASIC corrente:\r\n"
                                   "il codice ASM non viene scritto su di esso."));
        return;
    }
    if (!ConfirmOverwrite(chosen, QString())) return;
    QString error;
    if (!WriteFileAtomically(chosen, (text + QStringLiteral("\r\n")).toUtf8(), &error)) {
        ShowMessage(QStringLiteral("Impossibile salvare il file ") + chosen +
                    QStringLiteral("\r\nErrore: ") + error);
    }
}

void Form1::Form1_Command8_Click() {
    TextASM->clear();
}

void Form1::Form1_Command9_Click() {
    ShellGlobals& g = Globals();
    const QString equates = FromUtf8(BuildEquatesText());
    const QString basicFile = g.CurrentFile;
    const QString chosen = ChooseFile(kTitleSave, QString::fromLatin1(kEquatesFileName));
    if (chosen.isEmpty()) {
        if (AskYesNo(this, QStringLiteral("Vuoi vedere il file PIC16F84.DEF nel campo riservato "
                                          "alla codifica ASM ?"))) {
            SetAsmText(equates);
        }
        return;
    }
    QString error;
    if (SamePath(chosen, basicFile)) {
        error = QStringLiteral("il file è il programma BASIC corrente.");
    } else if (!ConfirmOverwrite(chosen, QString())) {
        return;
    } else if (WriteFileAtomically(chosen, (equates + QStringLiteral("\r\n")).toUtf8(), &error)) {
        return;
    }
    ShowMessage(QStringLiteral("Impossibile aprire il file ") + chosen +
                QStringLiteral("\r\nErrore: ") + error);
    SetAsmText(equates);
}

// ---- Printing --------------------------------------------------------------

void Form1::PrintPane(QPlainTextEdit* pane) {
    const QString text = PaneText(*pane);
    if (IsBlank(text)) return;
    if (!AskYesNo(this, QStringLiteral("Eseguo la stampa ?"))) return;
    PrintText(text + QStringLiteral("\r\n"), pane->font());
}

void Form1::Form1_Command11_Click() {
    PrintPane(TextBasic);
}
void Form1::Form1_Command12_Click() {
    PrintPane(TextASM);
}

// ---- Examples, timer calculator, tables view ---------------------------------

void Form1::Form1_Command10_Click() {
    help::ShowExamples(this);
}

void Form1::Form1_ProgTMR0_Click() {
    help::ShowTimerCalculator(this);
    repaint();
}

void Form1::Form1_Command13_Click() {
    help::ShowTranslatorTables(this, translator_.State(), Globals().Flag_TestoModificato);
}

// ---- Backups ---------------------------------------------------------------

void Form1::Form1_Command14_Click() {
    Form8 backups(BasicPaneAccess{[this] { return BasicText(); },
                                  [this](const QString& text) { SetBasicText(text); }},
                  this);
    RunModal(backups);
}

// ---- Shut-down -------------------------------------------------------------

bool Form1::Form1_Form_Unload() {
    ShellGlobals& g = Globals();
    if (g.Flag_AppClosing) return true;
    if (!MayDiscardUnsavedText()) return false;
    SaveSettings();
    g.Flag_AppClosing = true;
    return true;
}

void Form1::closeEvent(QCloseEvent* event) {
    if (Form1_Form_Unload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tavolux::shell
