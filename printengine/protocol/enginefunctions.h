#pragma once
// The boundary between the program and the fretprint engine library.
//
// The library exports one C function, kEngineEntryName, that hands out the
// engine's functions by ordinal (50 to 451). Both sides include this header;
// neither links the other's code. Documents are 32-bit handles, window handles
// are QWidget pointers passed as void*, texts are zero-terminated UTF-8, flags
// are 0 or 1 and lengths are centimetres.

#include <cstdint>

namespace EngineAbi {

using Proc = void (*)();
using EntryFunction = Proc (*)(int ordinal);

inline constexpr const char *kEntryName = "fretprint_entry";
inline constexpr int kFirstOrdinal = 50;
inline constexpr int kLastOrdinal = 451;
inline constexpr int kOrdinalCount = kLastOrdinal - kFirstOrdinal + 1;

using Doc = std::int32_t;
using WindowHandle = void *;

enum Ordinal : int {
    OpenDoc = 55,
    OpenDocSwap = 56,
    CloseDoc = 57,
    SetPageFormat = 58,
    SetPageWidth = 59,
    SetPageHeight = 60,
    GetPageWidth = 61,
    GetPageHeight = 62,
    SetPageOrientation = 63,
    GetPageOrientation = 64,
    SuppressOutline = 81,
    PlacePicture = 104,
    WriteFile = 132,
    GetStatus = 146,
    SetDocFileReadOnly = 156,
    GetPreviewWindow = 295,
    GetKeyWindow = 296,
    SetPrintSetupDialog = 297,
    SetGridMode = 298,
    SetGridVisible = 299,
    SetHelpRouting = 302,
    SetPaperView = 304,
    SetRulersMeasure = 309,
    SetPreviewPlacement = 315,
    ShowPreview = 317,
    SetPageScrollerTracking = 322,
    SetPreviewCtrl = 385,
};

using OpenDocFn = Doc (*)(WindowHandle parent, const char *title, std::int32_t flags);
using OpenDocSwapFn = Doc (*)(WindowHandle parent, const char *swapFile, const char *title,
                              std::int32_t flags);
using CloseDocFn = std::int32_t (*)(Doc);
using DocFn = void (*)(Doc);
using SetIntFn = void (*)(Doc, std::int32_t);
using SetDoubleFn = void (*)(Doc, double);
using GetIntFn = std::int32_t (*)(Doc);
using GetDoubleFn = double (*)(Doc);
using GetWindowFn = WindowHandle (*)(Doc);
using PlacePictureFn = double (*)(Doc, double x1, double y1, double x2, double y2,
                                  const char *fileName);
using WriteFileFn = std::int32_t (*)(Doc, const char *fileName);
using SetPreviewPlacementFn = void (*)(Doc, std::int32_t left, std::int32_t top,
                                       std::int32_t width, std::int32_t height,
                                       std::int32_t mode);

// Open flags: each bit switches something off (or, for the grid button and
// read-only documents, on).
namespace OpenFlag {
inline constexpr std::int32_t NoToolBar = 0x1;
inline constexpr std::int32_t NoPrintButton = 0x8;
inline constexpr std::int32_t NoMailButton = 0x10;
inline constexpr std::int32_t NoScaleButton = 0x20;
inline constexpr std::int32_t GridButton = 0x40;
inline constexpr std::int32_t NoNavigateButtons = 0x80;
inline constexpr std::int32_t NoHelpButton = 0x100;
inline constexpr std::int32_t NoAboutButton = 0x200;
inline constexpr std::int32_t NoCloseButton = 0x400;
inline constexpr std::int32_t NoStatusBar = 0x800;
inline constexpr std::int32_t NoPageScroller = 0x1000;
inline constexpr std::int32_t NoStatusSegment = 0x2000;
inline constexpr std::int32_t NoRulers = 0x4000;
inline constexpr std::int32_t Embedded = 0x8000;
inline constexpr std::int32_t DocFileReadOnly = 0x10000;
inline constexpr std::int32_t Always = 0x20000;
inline constexpr std::int32_t NoOpenButton = 0x40000;
inline constexpr std::int32_t NoSaveButton = 0x80000;
} // namespace OpenFlag

inline constexpr std::int32_t kPortrait = 1;
inline constexpr std::int32_t kLandscape = 2;

// A far corner given as this value in both coordinates leaves the picture at
// its own size.
inline constexpr double kFreeCornerMarker = -2147483549.0;

// A picture's own size: this many of its pixels to the inch. The preview
// shows the page at true size at as many logical pixels to the inch. It is
// the program's pattern resolution, copied here because the engine links
// none of the program's code; a test holds the two together.
inline constexpr double kPicturePixelsPerInch = 96.0;

// The status after a document file that could not be written because the
// disk (or the user's quota or file size limit) ran out of room.
inline constexpr std::int32_t kStatusDiskFull = 5;

} // namespace EngineAbi
