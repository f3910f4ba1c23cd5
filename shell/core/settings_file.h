// The settings file "_PicConfig.Txt": thirteen lines, each ended by CR LF,
// holding the panes' colours, font sizes and bold flags, the current file,
// the backup folder and the timer calculator's three inputs.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tavolux::shell {

// Colours are &HBBGGRR values (red in the low byte).
struct EditorSettings {
    int BasicForeColor = 0;
    int BasicBackColor = 0;
    int AsmForeColor = 0;
    int AsmBackColor = 0;
    double BasicFontSize = 0;
    double AsmFontSize = 0;
    int BasicFontBold = 0;  // bold only when exactly 1
    int AsmFontBold = 0;
};

struct SettingsValues {
    EditorSettings editor;
    QString CurrentFile;
    QString BackupDir;
    QString TimerCalcFrequency;
    QString TimerCalcPrescaler;
    QString TimerCalcTMR0;
};

// What a pane shows at the moment of the repairs (at start-up, its design
// values).
struct PaneLook {
    int foreColor = 0;
    int backColor = 0;
    double fontSize = 0;
};

inline constexpr double kMinFontSize = 1;
inline constexpr double kMaxFontSize = 200;
inline constexpr int kMaxColor = 0xFFFFFF;

// The file's bytes: UTF-8, CR LF after every line. A line break inside a
// text value is stored as a blank, so every value keeps its own line.
QByteArray FormatSettingsFile(const SettingsValues& values);

// Reads the thirteen lines (CR LF, LF or CR end a line; each line is UTF-8
// when it is valid UTF-8, otherwise Windows-1252, as DecodeText reads them). A missing line, or one
// that does not read as its kind, is left for the repairs to give its
// design value: a colour without digits reads as out of range, a size or
// bold flag without a number as 0, and a backup folder holding control
// characters as blank; the file, folder and timer lines are blank when
// missing.
SettingsValues ParseSettingsFile(const QByteArray& bytes);

// The settings file's first bytes, enough for any thirteen real lines; a
// line cut by the limit is left out. Empty when the file cannot be read, or
// is no plain file (a FIFO or a device is never opened).
inline constexpr qsizetype kSettingsReadLimit = 1 << 20;
QByteArray ReadSettingsBytes(const QString& path);

// The repairs, in order: a font size that is 0 or less, or not a finite
// number, takes the pane's, other sizes are held to 1..200 points; a colour
// outside 000000..FFFFFF, or text and background colours alike, take both
// colours from the pane; a current file that is not an existing regular
// file is dropped; an empty backup folder becomes the working folder.
void RepairSettings(SettingsValues& values, const PaneLook& basicPane, const PaneLook& asmPane,
                    const std::function<bool(const QString&)>& fileExists,
                    const std::function<QString()>& findWorkDir);

// Negative colours become black before they are painted.
void ClampColorsForDisplay(EditorSettings& settings);
double ClampFontSize(double points);

}  // namespace tavolux::shell
