#pragma once
// A recording stand-in for the engine library, loaded through the same
// loader. Tests reach its state through the exported FakeEngineState().

#include "printengine/protocol/enginefunctions.h"

#include <string>
#include <vector>

struct FakeEngineState {
    std::vector<std::string> calls;
    bool refuseOpen = false;
    bool refuseClose = false;
    EngineAbi::Doc nextHandle = 7;
    std::int32_t status = 0;
    double pageWidth = 21.0;
    double pageHeight = 29.7;
    std::int32_t orientation = EngineAbi::kPortrait;
    EngineAbi::WindowHandle lastParent = nullptr;
    EngineAbi::WindowHandle previewWindow = nullptr;
    EngineAbi::WindowHandle keyWindow = nullptr;

    void reset() { *this = FakeEngineState(); }
};

inline constexpr const char *kFakeEngineControlName = "FakeEngineControl";
using FakeEngineControlFn = FakeEngineState *(*)();
