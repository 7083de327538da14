#pragma once
// Pattern files: Save As writes the thirteen values, Open reads them back
// into the window's controls. Everything here is free of widgets; the
// window's commands show the dialogs and questions with the texts below and
// let their command guard show any EInOutError in the standard error box.
//
// Save As, as the window runs it:
//   1. set the current folder to ProgramFolder(); the save dialog gets
//      kSaveDialogFilter, initial folder ProgramFolder(), kSaveDialogTitle
//      and file name kSaveDialogFileName; Cancel stops.
//   2. target = PatternTargetFileName(dialog file name)
//   3. if target exists: ask OverwriteQuestion(target) (no icon, Yes
//      default, No on Escape and on the close box); on No show
//      kFileNotSavedMessage and stop.
//   4. SavePatternFile(target, settings read from the controls).
// Open:
//   1. set the current folder to ProgramFolder(); the open dialog gets
//      kOpenDialogFilter and initial folder ProgramFolder() and keeps its
//      last file name; Cancel stops.
//   2. OpenPatternFile(chosen file, controls): reads all thirteen values
//      first, and only then sets the controls in the window's order.

#include "patternfile/patternsettings.h"

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

// Reads the thirteen values from `device`, open for reading. Throws
// EInOutError: "Invalid numeric input" for a line 1 to 11 that is not an
// integer, "Read beyond end of file" when the file holds no value at all,
// the device's read error otherwise.
PatternFileValues ReadPatternFile(QIODevice *device);

// Opens the file at `path` and reads it as above; "File not found",
// "File access denied", ... when it cannot be opened.
PatternFileValues LoadPatternFile(const QString &path);

// The window's controls as Open sets them. Each setter goes through the
// control itself (QScrollBar::setValue, QCheckBox::setChecked,
// QLineEdit::setText) so that its change handler runs.
class PatternControls {
public:
    virtual ~PatternControls() = default;
    // ScrollBar<number>, 1 to 7; the bar clamps `position` into its range.
    virtual void SetScrollBarPosition(int number, int position) = 0;
    // CheckBox<number>, 1 to 4.
    virtual void SetCheckBoxChecked(int number, bool checked) = 0;
    // PatternView.Caption.Font.Name; never called with an empty name.
    virtual void SetFontName(const QString &face) = 0;
    // Edit1's text, which puts it into the caption.
    virtual void SetText(const QString &text) = 0;
};

// Sets the controls from `values`: ScrollBar1, 2, 3, 4, 6, 7, 5 (file lines
// 1 to 7), then CheckBox1, 2, 4, 3 (lines 8 to 11; Base last, so its handler
// has the final word on Corners and Text Outline), then the font face
// unless empty, then the text.
void ApplyPatternFileValues(const PatternFileValues &values, PatternControls &controls);

// Open: LoadPatternFile, then ApplyPatternFileValues. A file that cannot be
// read throws before any control is touched.
void OpenPatternFile(const QString &path, PatternControls &controls);
