#include "shell_state.h"

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
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes, nullptr)) bytes.clear();
    SettingsValues v = ParseSettingsFile(bytes);
    RepairSettings(v, basicPane, asmPane, RegularFileExists, [] { return FindWorkDir(); });
    ShellGlobals& g = Globals();
    g.Editor = v.editor;
    g.CurrentFile = v.CurrentFile;
    g.BackupDir = v.BackupDir;
    g.TimerCalcFrequency = v.TimerCalcFrequency;
    g.TimerCalcPrescaler = v.TimerCalcPrescaler;
    g.TimerCalcTMR0 = v.TimerCalcTMR0;
}

void SaveSettings() {
    QString path = GetConfigFilePath();
    if (path.isEmpty()) return;
    const ShellGlobals& g = Globals();
    SettingsValues v{
        g.Editor,       g.CurrentFile, g.BackupDir, g.TimerCalcFrequency, g.TimerCalcPrescaler,
        g.TimerCalcTMR0};
    WriteFileAtomically(path, FormatSettingsFile(v), nullptr);
}

}  // namespace tavolux::shell
