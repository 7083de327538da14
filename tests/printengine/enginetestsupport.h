#pragma once
// Shared pieces of the print engine tests: loading the fake or the real
// engine through the program's loader, and writing test pictures.

#include "fake_engine/fakeengine.h"
#include "printengine/printenginecomponent.h"
#include "printengine/printengineloader.h"

#include <QCoreApplication>
#include <QImage>
#include <QLibrary>
#include <QString>
#include <gtest/gtest.h>

#include <memory>

using Calls = std::vector<std::string>;

inline QString BinaryFolder() { return QCoreApplication::applicationDirPath(); }

class FakeEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(loader.Load(BinaryFolder(), QStringLiteral("fretprint_fake")).has_value());
        ASSERT_TRUE(loader.Loaded());
        // The loader holds the library open; this second handle only finds
        // the recording inside the same loaded image.
        QLibrary library(loader.FileName());
        auto control = reinterpret_cast<FakeEngineControlFn>(library.resolve(kFakeEngineControlName));
        ASSERT_NE(control, nullptr);
        fake = control();
        fake->reset();
        engine = std::make_unique<TPrintEngine>(loader.Table());
    }

    // The calls the engine saw since the last look, then forgets them.
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> calls;
        calls.swap(fake->calls);
        return calls;
    }

    void OpenStored()
    {
        LoadPrintEngine1Layout(*engine);
        engine->OpenDoc();
        TakeCalls();
    }

    PrintEngineLoader loader; // declared first: released after the component
    FakeEngineState *fake = nullptr;
    std::unique_ptr<TPrintEngine> engine;
};

// Writes an uncompressed bottom-up BMP with 24 or 32 bits per pixel.
bool WriteBmp(const QString &path, const QImage &image, int bitsPerPixel);

// Runs a command-line tool and returns its standard output.
QString RunTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr);
