#pragma once
// Pattern files: Save As writes the thirteen values of a pattern, Open
// reads them back. Everything here is free of widgets; the window's commands
// show the dialogs and questions with the texts below and let their command
// guard show any EInOutError in the standard error box.
//
// Save As, as the window runs it:
//   1. set the current folder to ProgramFolder(); the save dialog gets
//      kSaveDialogFilter, initial folder ProgramFolder(), kSaveDialogTitle
//      and file name kSaveDialogFileName; Cancel stops.
//   2. target = PatternTargetFileName(dialog file name)
//   3. if target exists: ask OverwriteQuestion(target) (no icon, Yes
//      default, No on Escape and on the close box); on No show
//      kFileNotSavedMessage and stop.
//   4. SavePatternFile(target, the window's pattern).
// Open:
//   1. set the current folder to ProgramFolder(); the open dialog gets
//      kOpenDialogFilter and initial folder ProgramFolder() and keeps its
//      last file name; Cancel stops.
//   2. LoadPatternFile(chosen file, the window's pattern): all thirteen
//      values are read before anything in the window changes.

#include "core/pattern.h"

#include <QString>

class QIODevice;

namespace PatternFile {
inline constexpr char kExtension[] = ".frcd";
inline constexpr char kSaveDialogFilter[] = "Fretcard file|*.frcd";
inline constexpr char kOpenDialogFilter[] = "Fretcard Files|*.frcd";
inline constexpr char kSaveDialogTitle[] = "Scroll Saw Fretcard Printer Save";
inline constexpr char kSaveDialogFileName[] = "untitled";
inline constexpr char kFileNotSavedMessage[] = "File not saved";
inline constexpr int kMaxFontNameLength = 31;
} // namespace PatternFile

// The file Save As writes for the name chosen in the dialog: the name
// itself when it ends in exactly ".frcd" (case matters), else the name
// with ".frcd" added. "sign.FRCD" becomes "sign.FRCD.frcd".
QString PatternTargetFileName(const QString &chosenFileName);

// The text as a pattern file stores it and reopens it: line breaks and
// Ctrl+Z as blanks, no NUL characters.
QString TextAsStored(const QString &text);

// "Overwrite File? " followed by the target's full path.
QString OverwriteQuestion(const QString &targetPath);

// The thirteen lines of `settings` on `device`, which must be open for
// writing. Throws EInOutError when the device fails ("Disk full", ...).
void WritePatternFile(QIODevice *device, const PatternSettings &settings);

// Writes the pattern file at `path` through QSaveFile: the old file stays
// exactly as it was unless the new one was written completely. Throws
// EInOutError with the classic message on any failure.
void SavePatternFile(const QString &path, const PatternSettings &settings);

// Reads the thirteen values from `device`, open for reading, over
// `current`: the numbers exactly as the file has them (not yet in their
// ranges), a switch line 1 for on and 0 for off, the face cut to 31
// characters and the text to the text box's 32767. A switch line of any
// other value and an empty face line keep `current`'s value. Throws
// EInOutError: "Invalid numeric input" for a line 1 to 11 that is not an
// integer, "Read beyond end of file" when the file holds no value at all,
// the device's read error otherwise.
PatternSettings ReadPatternFile(QIODevice *device, const PatternSettings &current);

// Opens the file at `path` and reads it as above; "File not found",
// "File access denied", ... when it cannot be opened.
PatternSettings LoadPatternFile(const QString &path, const PatternSettings &current);
