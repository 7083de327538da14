#include "printcommands.h"

#include "render/basebar.h"
#include "app/exports.h"
#include "render/workimage.h"
#include "printengine/printenginecomponent.h"
#include "core/errors.h"
#include "page/page.h"

namespace {
// The start-up message stands for every later use of the missing engine.
const QString kEngineMissing = QStringLiteral("Could not load print engine library!");

void RequireEngine(const TPrintDocument &document)
{
    if (!document.EngineAvailable())
        throw EFretcardError(kEngineMissing);
}

void PlaceSnapshot(TExportWindow &window, TPrintDocument &document, const QString &snapshot)
{
    document.OpenDoc();
    if (!window.PageOutlineOn())
        document.SuppressOutline();
    document.PlacePicture(snapshot, Page::kCornerCm, Page::kCornerCm, TPrintEngine::kFreeCorner,
                          TPrintEngine::kFreeCorner);
}
} // namespace

void PrintPattern(TExportWindow &window, TWorkImage &workImage, TPrintDocument &document)
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

    PlaceSnapshot(window, document, snapshot);
    const QPoint corner = window.WindowPosition();
    document.SetPreviewPlacement(corner.x() + PreviewPlacement::kPreviewOffset,
                                 corner.y() + PreviewPlacement::kPreviewOffset,
                                 PreviewPlacement::kPreviewWidth, PreviewPlacement::kPreviewHeight,
                                 PreviewPlacement::kPreviewMode);
    document.ShowPreview();
}

void ExportPdf(TExportWindow &window, TWorkImage &workImage, TPrintDocument &document)
{
    RequireEngine(document);

    const QString snapshot = TakeSnapshotInto(window, workImage);
    if (window.BaseOn())
        DrawBaseBar(workImage, window.ViewHeight(), Qt::black);

    const QString target = ChooseExportTarget(window, kPdfFilter, kPdfExtension);
    if (target.isEmpty())
        return;

    workImage.SaveToFile(snapshot);
    PlaceSnapshot(window, document, snapshot);
    const TPrintDocument::TWriteResult result = document.WriteDocFile(target);
    document.CloseDoc();
    if (result == TPrintDocument::TWriteResult::DiskFull)
        FileError::Raise(FileError::DiskFull);
    if (result != TPrintDocument::TWriteResult::Written)
        FileError::RaiseCannotCreate(target);
}

bool TEngineDocument::CloseDoc() { return m_engine.CloseDoc(); }
void TEngineDocument::OpenDoc() { m_engine.OpenDoc(); }
void TEngineDocument::SuppressOutline() { m_engine.SuppressOutline(); }

void TEngineDocument::PlacePicture(const QString &path, double x1, double y1, double x2, double y2)
{
    m_engine.PlacePicture(path, x1, y1, x2, y2);
}

void TEngineDocument::SetPreviewPlacement(int left, int top, int width, int height, int mode)
{
    m_engine.SetPreviewPlacement(left, top, width, height, mode);
}

void TEngineDocument::ShowPreview() { m_engine.ShowPreview(); }

// The engine answers non-zero when the file was written; its status tells why not.
TPrintDocument::TWriteResult TEngineDocument::WriteDocFile(const QString &path)
{
    if (m_engine.WriteDocFile(path) != 0)
        return TWriteResult::Written;
    return m_engine.Status() == TPrintEngine::kStatusDiskFull ? TWriteResult::DiskFull : TWriteResult::NotCreated;
}
