// The values the shell's windows share for the whole run.
#pragma once

#include <QString>

#include "settings_file.h"

class QWidget;

namespace tavolux::shell {

class Form1;

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

    int PaneLayout = 0;
    int Flag_TestoModificato = 0;
    bool Flag_AppClosing = false;

    Form1* MainWindow = nullptr;
};

ShellGlobals& Globals();

// The settings file, through the working folder. Loading repairs what it
// reads against the panes as they look now; neither reports anything.
void LoadSettings(const PaneLook& basicPane, const PaneLook& asmPane);
void SaveSettings();

// Shows the program's file dialog with SelectFileTitle and CurrentFile;
// CurrentFile then holds the chosen path, or "" when nothing was chosen.
void ShowSelectFile(QWidget* parent);

}  // namespace tavolux::shell
