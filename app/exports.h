#pragma once
// Pieces shared by the export commands (bitmap, PDF, print): the file name
// rule, the snapshot's place and the safe writing of a user's file.

#include "core/filenames.h"
#include "core/safefile.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <functional>

class QImage;
class QIODevice;

inline const QString kBmpExtension = QStringLiteral(".bmp");
inline const QString kPdfExtension = QStringLiteral(".pdf");
inline const QString kUntitledFileName = QStringLiteral("untitled");
inline const QString kBmpFilter = QStringLiteral("BMP file|*.bmp");
inline const QString kPdfFilter = QStringLiteral("PDF file|*.pdf");
inline const QString kOverwriteQuestion = QStringLiteral("Overwrite File?");
inline const QString kFileNotSaved = QStringLiteral("File not saved!");

// `image` as a 24-bit, 96 DPI bitmap file at `path`, written safely.
void SaveBitmapFile(const QImage &image, const QString &path);

// ---------------------------------------------------------------------------
// What the export commands need from the main window. The window implements
// it over its controls and dialogs; tests answer it directly.

enum class TOverwriteAnswer { Yes, No, Closed };

class TExportWindow {
public:
    virtual ~TExportWindow() = default;

    // Full path of the snapshot file.
    virtual QString SnapshotPath() const = 0;
    // The pattern view writes itself, as a bitmap, to `path`.
    virtual void WriteSnapshot(const QString &path) = 0;
    virtual int ViewHeight() const = 0;
    virtual bool BaseOn() const = 0;
    virtual bool PageOutlineOn() const = 0;
    // The colour of the pattern's letters.
    virtual QColor TextColor() const = 0;
    // Screen position of the main window's top-left corner.
    virtual QPoint WindowPosition() const = 0;

    // The save dialog, opened on "untitled" with `filter`: the chosen path,
    // or an empty string when the user cancelled.
    virtual QString AskSaveFileName(const QString &filter) = 0;
    // "Overwrite File?" with Yes as the default and Escape as No.
    virtual TOverwriteAnswer AskOverwrite() = 0;
    virtual void ShowFileNotSaved() = 0;
    virtual void SetCaption(const QString &caption) = 0;
};

class TWorkImage;
class TDialogHost;
class TSaveDialog;

// The window's side of the dialogs, on its save dialog and dialog host.
// The save dialog keeps the title and folder Save As left in it.
QString AskExportFileName(TSaveDialog &dialog, const QString &filter);
TOverwriteAnswer AskOverwriteQuestion(TDialogHost &host, const QString &applicationTitle);

// Export BMP: snapshot, work image with the optional black base bar, the
// save dialog, the overwrite question, the file, and the caption set to the
// file's path without ".bmp". Failures are thrown as EFretcardError.
void ExportBitmap(TExportWindow &window, TWorkImage &workImage);

// Writes the snapshot and loads it into the work image; returns its path.
QString TakeSnapshotInto(TExportWindow &window, TWorkImage &workImage);

// Asks before an existing `target` is replaced: true when it may be written.
// No shows "File not saved!"; a question closed without an answer says
// nothing and writes nothing.
bool ConfirmExportTarget(TExportWindow &window, const QString &target);

// Asks for the file name with `filter`, applies the extension rule and the
// overwrite question: the file to write, or empty when the user cancelled or
// declined.
QString ChooseExportTarget(TExportWindow &window, const QString &filter, const QString &extension);
