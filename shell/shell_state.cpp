#include "shell_state.h"

#include "my_msg_box.h"
#include "platform.h"
#include "text_files.h"

namespace tavolux::shell {

ShellGlobals& Globals() {
    static ShellGlobals globals;
    return globals;
}

void LoadSettings(const PaneLook& basicPane, const PaneLook& asmPane) {
    QString path = GetConfigFilePath();
    if (path.isEmpty()) return;
    SettingsValues v = ParseSettingsFile(ReadSettingsBytes(path));
    RepairSettings(v, basicPane, asmPane, RegularFileExists, [] { return FindWorkDir(); });
    ShellGlobals& g = Globals();
    g.Editor = v.editor;
    g.CurrentFile = v.CurrentFile;
    g.BackupDir = v.BackupDir;
    g.TimerCalcFrequency = v.TimerCalcFrequency;
    g.TimerCalcPrescaler = v.TimerCalcPrescaler;
    g.TimerCalcTMR0 = v.TimerCalcTMR0;
}

bool SaveSettings() {
    QString path = GetConfigFilePath();
    ShellGlobals& g = Globals();
    if (path.isEmpty()) {
        // Said once a run: every later save would only say it again.
        if (!g.NoWorkDirSaid) ShowMessage(QString::fromUtf8(kNoWorkDirForSettings));
        g.NoWorkDirSaid = true;
        return false;
    }
    SettingsValues v{
        g.Editor,       g.CurrentFile, g.BackupDir, g.TimerCalcFrequency, g.TimerCalcPrescaler,
        g.TimerCalcTMR0};
    QString error;
    if (WriteFileAtomically(path, FormatSettingsFile(v), &error)) return true;
    ShowMessage(QStringLiteral("Impossibile salvare le impostazioni in ") + path +
                QStringLiteral("\r\nErrore: ") + error);
    return false;
}

}  // namespace tavolux::shell
