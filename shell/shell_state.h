// The values the shell's windows share for the whole run.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "settings_file.h"

namespace tavolux::shell {

struct ShellGlobals {
    QString VersionDate;
    QString UpdateNote1, UpdateNote2, UpdateNote3, UpdateNote4, UpdateNote5;
    QString MainTitle;
    QString MsgTitle = QStringLiteral("Tavolux Message");

    EditorSettings Editor;
    QString CurrentFile;  // the current BASIC file; also the file-dialog exchange
    QString BackupDir;
    QString TimerCalcFrequency, TimerCalcPrescaler, TimerCalcTMR0;

    QString SelectFileTitle;
    QString SelectFileCreated;  // the file the last file dialog created, if any

    // The colour-picker exchange: a text colour and a background colour as
    // six hexadecimal digits, blue, green, red. Both empty on return: the
    // picker was cancelled.
    QString PickForeColorHex, PickBackColorHex;

    bool NoWorkDirSaid = false;  // the settings' loss for want of a folder was said

    int PaneLayout = 0;
    int Flag_TestoModificato = 0;
    bool Flag_AppClosing = false;

    // The main window, parent of the program's messages, and the panes
    // that a message dims while it is shown.
    QPointer<QWidget> MainWindow;
    QList<QPointer<QWidget>> PanesToDim;
};

ShellGlobals& Globals();

// Asked before a window replaces or clears unsaved BASIC text.
inline constexpr char kLoseChangesQuestion[] =
    "Le modifiche non salvate andranno perse. Continuare?";

// Said when the settings cannot be saved because no folder can be written.
inline constexpr char kNoWorkDirForSettings[] =
    "Impossibile salvare le impostazioni: non c'è nessuna directory in cui si possa scrivere.";

// The settings file, through the working folder. Loading repairs what it
// reads against the panes as they look now and reports nothing; a save that
// fails is reported through the message window and returns false (with no
// working folder at all, said once a run).
void LoadSettings(const PaneLook& basicPane, const PaneLook& asmPane);
bool SaveSettings();

}  // namespace tavolux::shell
