#include "printcommands.h"

#include "app/basebar.h"
#include "app/exports.h"
#include "app/workimage.h"
#include "render/errors.h"

namespace {
// The start-up message stands for every later use of the missing engine.
const QString kEngineMissing = QStringLiteral("Could not load print engine library!");

void RequireEngine(const TPrintDocument &document)
{
    if (!document.EngineAvailable())
        throw EFretcardError(kEngineMissing);
}

void PlaceSnapshot(TExportWindow &window, TPrintDocument &document, const QString &snapshot,
                   double farCornerMarker)
{
    document.OpenDoc();
    if (!window.PageOutlineOn())
        document.SuppressOutline();
    document.PlacePicture(snapshot, PagePlacement::kPictureLeftCm, PagePlacement::kPictureTopCm,
                          farCornerMarker, farCornerMarker);
}
} // namespace

void PrintPattern(TExportWindow &window, TWorkImage &workImage, TPrintDocument &document,
                  double farCornerMarker)
{
    RequireEngine(document);
    document.CloseDoc();

    const QString snapshot = window.SnapshotPath();
    window.WriteSnapshot(snapshot);
    if (window.BaseOn()) {
        workImage.LoadFromFile(snapshot);
        DrawBaseBar(workImage, window.ViewHeight(), window.TextColor());
        workImage.SaveToFile(snapshot);
    }

    PlaceSnapshot(window, document, snapshot, farCornerMarker);
    const QPoint corner = window.WindowPosition();
    document.SetPreviewPlacement(corner.x() + PagePlacement::kPreviewOffset,
                                 corner.y() + PagePlacement::kPreviewOffset,
                                 PagePlacement::kPreviewWidth, PagePlacement::kPreviewHeight,
                                 PagePlacement::kPreviewMode);
    document.ShowPreview();
}

void ExportPdf(TExportWindow &window, TWorkImage &workImage, TPrintDocument &document,
               double farCornerMarker)
{
    RequireEngine(document);

    const QString snapshot = TakeSnapshotInto(window, workImage);
    if (window.BaseOn())
        DrawBaseBar(workImage, window.ViewHeight(), Qt::black);

    const QString chosen = window.AskSaveFileName(kPdfFilter);
    if (chosen.isEmpty())
        return;
    const QString target = ExportTargetName(chosen, kPdfExtension);
    if (!ConfirmExportTarget(window, target))
        return;

    workImage.SaveToFile(snapshot);
    PlaceSnapshot(window, document, snapshot, farCornerMarker);
    const bool written = document.WriteDocFile(target);
    document.CloseDoc();
    if (!written)
        FileError::RaiseCannotCreate(target);
}
