#pragma once
// Opening the print engine library when the program starts.

#include "printengine/printengineloader.h"

#include <QString>

class TDialogHost;

// Loads the engine library through `loader`, looking in `programFolder`
// first. When it cannot be loaded the user is told once, through `host`
// ("Could not load print engine library!", captioned "Print Engine", with
// the error icon), and the program starts without it. Returns whether the
// engine is there.
bool LoadPrintEngineAtStartup(PrintEngineLoader &loader, const QString &programFolder, TDialogHost &host,
                              const QString &libraryName = QString::fromLatin1(PrintEngineLoader::kLibraryName));
