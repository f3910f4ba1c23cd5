// Rules for the names the file dialog hands back and the names the main
// window proposes.
#pragma once

#include <QString>
#include <QStringList>

namespace tavolux::shell {

// Removes doubled separators ("//" or "\\") until none is left, one
// character at a time.
QString CollapseDoubledSeparators(QString path);
// Removes one character of the first doubled separator only.
QString CollapseFirstDoubledSeparator(QString path);

// A drive root: "/" alone, a name ending with ":\" or ":/", or one of the
// listed drives.
bool IsDriveRoot(const QString& name, const QStringList& drives = {});

// The drive a path lies on: the longest listed drive that is the path itself
// or a folder above it; the first drive when none is; "" without drives.
QString DriveOf(const QString& path, const QStringList& drives);

// The name the dialog's OK yields from its name box, before the existence
// test: trimmed of blanks; "" for an empty name or a drive root; the first
// doubled separator collapsed; a bare name (no separator, no ":") placed in
// the shown folder.
QString ValidateFileName(const QString& nameBox, const QString& shownFolder,
                         const QStringList& drives = {});

// The assembly file proposed for a BASIC file: the same path with the
// extension ".asm" ("" when there is no BASIC file).
QString AsmPathFor(const QString& basicPath);

// The hidden "Test" button shows when the program's arguments, joined by
// blanks and upper-cased, are exactly "PROBE".
bool IsProbeCommandLine(const QStringList& arguments);

// Save titles begin with "S" (exact case) and are drawn red on yellow.
bool IsSaveTitle(const QString& title);

}  // namespace tavolux::shell
