#include "fakeengine.h"

#include <QtGlobal>

#include <cstdio>

using namespace EngineAbi;

namespace {

FakeEngineState &State()
{
    static FakeEngineState state;
    return state;
}

std::string Format(const char *format, auto... args)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

void Record(std::string call) { State().calls.push_back(std::move(call)); }

Doc OpenDocFake(WindowHandle parent, const char *title, std::int32_t flags)
{
    Record(Format("OpenDoc(%s,0x%X)", title, static_cast<unsigned>(flags)));
    State().lastParent = parent;
    return State().refuseOpen ? 0 : State().nextHandle;
}

Doc OpenDocSwapFake(WindowHandle parent, const char *swap, const char *title, std::int32_t flags)
{
    Record(Format("OpenDocSwap(%s,%s,0x%X)", swap, title, static_cast<unsigned>(flags)));
    State().lastParent = parent;
    return State().refuseOpen ? 0 : State().nextHandle;
}

std::int32_t CloseDocFake(Doc doc)
{
    Record(Format("CloseDoc(%d)", doc));
    // A refusal with high bits set: only the low byte counts.
    return State().refuseClose ? 0x100 : 1;
}

std::int32_t GetStatusFake(Doc doc)
{
    Record(Format("GetStatus(%d)", doc));
    return State().status;
}

#define FAKE_SET_INT(Name)                                                                                   \
    void Name##Fake(Doc doc, std::int32_t value) { Record(Format(#Name "(%d,%d)", doc, value)); }
FAKE_SET_INT(SetPageFormat)
FAKE_SET_INT(SetPrintSetupDialog)
FAKE_SET_INT(SetGridMode)
FAKE_SET_INT(SetGridVisible)
FAKE_SET_INT(SetHelpRouting)
FAKE_SET_INT(SetPaperView)
FAKE_SET_INT(SetRulersMeasure)
FAKE_SET_INT(SetPageScrollerTracking)
FAKE_SET_INT(SetPreviewCtrl)
FAKE_SET_INT(SetDocFileReadOnly)
#undef FAKE_SET_INT

void SetPageOrientationFake(Doc doc, std::int32_t value)
{
    Record(Format("SetPageOrientation(%d,%d)", doc, value));
    State().orientation = value;
}
void SetPageWidthFake(Doc doc, double value) { Record(Format("SetPageWidth(%d,%g)", doc, value)); }
void SetPageHeightFake(Doc doc, double value) { Record(Format("SetPageHeight(%d,%g)", doc, value)); }
double GetPageWidthFake(Doc doc)
{
    Record(Format("GetPageWidth(%d)", doc));
    return State().pageWidth;
}
double GetPageHeightFake(Doc doc)
{
    Record(Format("GetPageHeight(%d)", doc));
    return State().pageHeight;
}
std::int32_t GetPageOrientationFake(Doc doc)
{
    Record(Format("GetPageOrientation(%d)", doc));
    return State().orientation;
}
void SuppressOutlineFake(Doc doc) { Record(Format("SuppressOutline(%d)", doc)); }
double PlacePictureFake(Doc doc, double x1, double y1, double x2, double y2, const char *name)
{
    Record(Format("PlacePicture(%d,%g,%g,%.1f,%.1f,%s)", doc, x1, y1, x2, y2, name));
    return 4.5;
}
std::int32_t WriteFileFake(Doc doc, const char *name)
{
    Record(Format("WriteFile(%d,%s)", doc, name));
    return 1;
}
void SetPreviewPlacementFake(Doc doc, std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h,
                             std::int32_t mode)
{
    Record(Format("SetPreviewPlacement(%d,%d,%d,%d,%d,%d)", doc, l, t, w, h, mode));
}
std::int32_t ShowPreviewFake(Doc doc)
{
    Record(Format("ShowPreview(%d)", doc));
    return 1;
}
WindowHandle GetPreviewWindowFake(Doc doc)
{
    Record(Format("GetPreviewWindow(%d)", doc));
    return State().previewWindow;
}
WindowHandle GetKeyWindowFake(Doc doc)
{
    Record(Format("GetKeyWindow(%d)", doc));
    return State().keyWindow;
}

template <typename F>
Proc AsProc(F function)
{
    return reinterpret_cast<Proc>(function);
}

} // namespace

extern "C" Q_DECL_EXPORT FakeEngineState *FakeEngineControl() { return &State(); }

extern "C" Q_DECL_EXPORT Proc fretprint_entry(int ordinal)
{
    switch (ordinal) {
    case OpenDoc: return AsProc(&OpenDocFake);
    case OpenDocSwap: return AsProc(&OpenDocSwapFake);
    case CloseDoc: return AsProc(&CloseDocFake);
    case SetPageFormat: return AsProc(&SetPageFormatFake);
    case SetPageWidth: return AsProc(&SetPageWidthFake);
    case SetPageHeight: return AsProc(&SetPageHeightFake);
    case GetPageWidth: return AsProc(&GetPageWidthFake);
    case GetPageHeight: return AsProc(&GetPageHeightFake);
    case SetPageOrientation: return AsProc(&SetPageOrientationFake);
    case GetPageOrientation: return AsProc(&GetPageOrientationFake);
    case SuppressOutline: return AsProc(&SuppressOutlineFake);
    case PlacePicture: return AsProc(&PlacePictureFake);
    case WriteFile: return AsProc(&WriteFileFake);
    case GetStatus: return AsProc(&GetStatusFake);
    case SetDocFileReadOnly: return AsProc(&SetDocFileReadOnlyFake);
    case GetPreviewWindow: return AsProc(&GetPreviewWindowFake);
    case GetKeyWindow: return AsProc(&GetKeyWindowFake);
    case SetPrintSetupDialog: return AsProc(&SetPrintSetupDialogFake);
    case SetGridMode: return AsProc(&SetGridModeFake);
    case SetGridVisible: return AsProc(&SetGridVisibleFake);
    case SetHelpRouting: return AsProc(&SetHelpRoutingFake);
    case SetPaperView: return AsProc(&SetPaperViewFake);
    case SetRulersMeasure: return AsProc(&SetRulersMeasureFake);
    case SetPreviewPlacement: return AsProc(&SetPreviewPlacementFake);
    case ShowPreview: return AsProc(&ShowPreviewFake);
    case SetPageScrollerTracking: return AsProc(&SetPageScrollerTrackingFake);
    case SetPreviewCtrl: return AsProc(&SetPreviewCtrlFake);
    default: return nullptr;
    }
}
