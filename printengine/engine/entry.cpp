// The library's C interface: one exported entry point that hands out the
// engine functions by ordinal.

#include "enginestate.h"
#include "printengine/protocol/papersizes.h"
#include "pdfexport.h"
#include "previewwindow.h"

#include <QtGlobal>

#include <cmath>

using namespace EngineAbi;
using fretprint::Document;
using fretprint::EngineState;

namespace {

Document *Find(Doc doc) { return EngineState::Instance().find(doc); }

QString FromText(const char *text) { return text ? QString::fromUtf8(text) : QString(); }

void RefreshPreview(Document *document)
{
    if (document->preview())
        document->preview()->applySettings();
}

Doc EngineOpenDoc(WindowHandle parent, const char *title, std::int32_t flags)
{
    return EngineState::Instance().open(static_cast<QWidget *>(parent), FromText(title), flags)->handle();
}

// The engine keeps every document in memory; the swap file name is accepted
// for callers that pass one, and refused only when it is unusable.
Doc EngineOpenDocSwap(WindowHandle parent, const char *swapFile, const char *title, std::int32_t flags)
{
    if (FromText(swapFile).isEmpty())
        return 0;
    return EngineOpenDoc(parent, title, flags);
}

std::int32_t EngineCloseDoc(Doc doc) { return EngineState::Instance().close(doc) ? 1 : 0; }

void EngineSetPageFormat(Doc doc, std::int32_t negatedFormat)
{
    Document *document = Find(doc);
    const int format = -negatedFormat;
    if (!document || !Paper::HasSize(format))
        return;
    const Paper::Size size = Paper::SizeOf(format);
    document->setPaperSizeCm(QSizeF(size.widthCm, size.heightCm));
    RefreshPreview(document);
}

bool UsableLength(double cm) { return std::isfinite(cm) && cm > 0.0; }

// Width and height are the paper's, as it is named (portrait); the
// orientation turns it separately.
void EngineSetPageWidth(Doc doc, double widthCm)
{
    Document *document = Find(doc);
    if (!document || !UsableLength(widthCm))
        return;
    document->setPaperSizeCm(QSizeF(widthCm, document->paperSizeCm().height()));
    RefreshPreview(document);
}

void EngineSetPageHeight(Doc doc, double heightCm)
{
    Document *document = Find(doc);
    if (!document || !UsableLength(heightCm))
        return;
    document->setPaperSizeCm(QSizeF(document->paperSizeCm().width(), heightCm));
    RefreshPreview(document);
}

double EngineGetPageWidth(Doc doc)
{
    Document *document = Find(doc);
    return document ? document->paperSizeCm().width() : 0.0;
}

double EngineGetPageHeight(Doc doc)
{
    Document *document = Find(doc);
    return document ? document->paperSizeCm().height() : 0.0;
}

void EngineSetPageOrientation(Doc doc, std::int32_t orientation)
{
    if (Document *document = Find(doc)) {
        document->setLandscape(orientation == kLandscape);
        RefreshPreview(document);
    }
}

std::int32_t EngineGetPageOrientation(Doc doc)
{
    Document *document = Find(doc);
    return document && document->landscape() ? kLandscape : kPortrait;
}

void EngineSuppressOutline(Doc doc)
{
    if (Document *document = Find(doc))
        document->suppressNextOutline();
}

bool IsFreeCorner(double x2, double y2) { return x2 == kFreeCornerMarker && y2 == kFreeCornerMarker; }

double EnginePlacePicture(Doc doc, double x1, double y1, double x2, double y2, const char *fileName)
{
    Document *document = Find(doc);
    if (!document)
        return 0.0;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        document->setStatus(fretprint::StatusBadArgument);
        return 0.0;
    }
    const QRectF requested(QPointF(x1, y1), QPointF(x2, y2));
    if (!document->placePicture(FromText(fileName), requested, IsFreeCorner(x2, y2)))
        return 0.0;
    RefreshPreview(document);
    // The bottom edge of the picture on its page: where a caller could place the next one.
    return document->lastPlaced()->rectCm.bottom();
}

std::int32_t EngineWriteFile(Doc doc, const char *fileName)
{
    Document *document = Find(doc);
    if (!document)
        return 0;
    const fretprint::PdfFileResult result = fretprint::WritePdfFile(*document, FromText(fileName));
    document->setStatus(fretprint::StatusAfter(result));
    return result == fretprint::PdfFileResult::Written ? 1 : 0;
}

std::int32_t EngineGetStatus(Doc doc)
{
    Document *document = Find(doc);
    return document ? document->status() : fretprint::StatusBadArgument;
}

template <typename Apply>
void ChangeSettings(Doc doc, Apply apply)
{
    if (Document *document = Find(doc)) {
        apply(document->settings());
        RefreshPreview(document);
    }
}

void EngineSetDocFileReadOnly(Doc doc, std::int32_t flag)
{
    ChangeSettings(doc, [flag](auto &s) { s.docFileReadOnly = flag != 0; });
}
void EngineSetPrintSetupDialog(Doc doc, std::int32_t flag)
{
    ChangeSettings(doc, [flag](auto &s) { s.printSetupDialog = flag != 0; });
}
void EngineSetGridMode(Doc doc, std::int32_t mode)
{
    ChangeSettings(doc, [mode](auto &s) { s.gridMode = mode == 0 ? 0 : 1; });
}
void EngineSetGridVisible(Doc doc, std::int32_t flag)
{
    ChangeSettings(doc, [flag](auto &s) { s.gridVisible = flag != 0; });
}
void EngineSetHelpRouting(Doc doc, std::int32_t flag)
{
    ChangeSettings(doc, [flag](auto &s) { s.helpRouting = flag != 0; });
}
void EngineSetPaperView(Doc doc, std::int32_t flag)
{
    ChangeSettings(doc, [flag](auto &s) { s.paperView = flag != 0; });
}
void EngineSetRulersMeasure(Doc doc, std::int32_t measure)
{
    ChangeSettings(doc, [measure](auto &s) { s.rulersMeasure = measure == 0 ? 0 : 1; });
}
void EngineSetPageScrollerTracking(Doc doc, std::int32_t flag)
{
    ChangeSettings(doc, [flag](auto &s) { s.scrollerTracking = flag != 0; });
}
void EngineSetPreviewCtrl(Doc doc, std::int32_t ctrl)
{
    ChangeSettings(doc, [ctrl](auto &s) { s.previewCtrl = ctrl == 0 ? 0 : 1; });
}

void EngineSetPreviewPlacement(Doc doc, std::int32_t left, std::int32_t top, std::int32_t width,
                               std::int32_t height, std::int32_t mode)
{
    Document *document = Find(doc);
    if (!document || width <= 0 || height <= 0)
        return;
    document->placement() = {true, QRect(left, top, width, height), mode};
    RefreshPreview(document);
}

std::int32_t EngineShowPreview(Doc doc)
{
    Document *document = Find(doc);
    if (!document)
        return 0;
    document->ensurePreview()->showForDocument();
    return 1;
}

WindowHandle EngineGetPreviewWindow(Doc doc)
{
    Document *document = Find(doc);
    return document && document->preview() ? static_cast<QWidget *>(document->preview()) : nullptr;
}

WindowHandle EngineGetKeyWindow(Doc doc)
{
    Document *document = Find(doc);
    return document && document->preview() ? document->preview()->keyWindow() : nullptr;
}

template <typename F>
Proc AsProc(F function)
{
    return reinterpret_cast<Proc>(function);
}

Proc Lookup(int ordinal)
{
    switch (ordinal) {
    case OpenDoc: return AsProc(&EngineOpenDoc);
    case OpenDocSwap: return AsProc(&EngineOpenDocSwap);
    case CloseDoc: return AsProc(&EngineCloseDoc);
    case SetPageFormat: return AsProc(&EngineSetPageFormat);
    case SetPageWidth: return AsProc(&EngineSetPageWidth);
    case SetPageHeight: return AsProc(&EngineSetPageHeight);
    case GetPageWidth: return AsProc(&EngineGetPageWidth);
    case GetPageHeight: return AsProc(&EngineGetPageHeight);
    case SetPageOrientation: return AsProc(&EngineSetPageOrientation);
    case GetPageOrientation: return AsProc(&EngineGetPageOrientation);
    case SuppressOutline: return AsProc(&EngineSuppressOutline);
    case PlacePicture: return AsProc(&EnginePlacePicture);
    case WriteFile: return AsProc(&EngineWriteFile);
    case GetStatus: return AsProc(&EngineGetStatus);
    case SetDocFileReadOnly: return AsProc(&EngineSetDocFileReadOnly);
    case GetPreviewWindow: return AsProc(&EngineGetPreviewWindow);
    case GetKeyWindow: return AsProc(&EngineGetKeyWindow);
    case SetPrintSetupDialog: return AsProc(&EngineSetPrintSetupDialog);
    case SetGridMode: return AsProc(&EngineSetGridMode);
    case SetGridVisible: return AsProc(&EngineSetGridVisible);
    case SetHelpRouting: return AsProc(&EngineSetHelpRouting);
    case SetPaperView: return AsProc(&EngineSetPaperView);
    case SetRulersMeasure: return AsProc(&EngineSetRulersMeasure);
    case SetPreviewPlacement: return AsProc(&EngineSetPreviewPlacement);
    case ShowPreview: return AsProc(&EngineShowPreview);
    case SetPageScrollerTracking: return AsProc(&EngineSetPageScrollerTracking);
    case SetPreviewCtrl: return AsProc(&EngineSetPreviewCtrl);
    default: return nullptr;
    }
}

} // namespace

extern "C" Q_DECL_EXPORT Proc fretprint_entry(int ordinal)
{
    if (ordinal < kFirstOrdinal || ordinal > kLastOrdinal)
        return nullptr;
    return Lookup(ordinal);
}
