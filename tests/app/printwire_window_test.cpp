// Print and Export PDF from the real main window: the engine library is the
// recording fake, loaded through the program's own loader at "start-up", and
// the dialogs are answered by the scripted host.
#include "app/fretcard1.h"
#include "app/printcommands_startup.h"
#include "app/programfolders.h"
#include "printengine/fake_engine/fakeengine.h"
#include "printengine/printenginecomponent.h"
#include "printengine/printengineloader.h"
#include "render/caption.h"
#include "render/font.h"
#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {
const QString kDocumentOpen =
    QStringLiteral("The print document is open. The document needs to be closed prior to this operation.");
const QString kEngineMissing = QStringLiteral("Could not load print engine library!");
constexpr TColor kRed = 0x000000FF;
constexpr QRgb kRedPixel = 0xFFFF0000;
constexpr QRgb kBlackPixel = 0xFF000000;

// The engine calls the two commands make themselves; the settings OpenDoc
// hands on to the engine are the component's business.
bool IsDocumentCall(const std::string &call)
{
    static const char *const names[] = {"OpenDoc(",  "CloseDoc(",           "SuppressOutline(", "PlacePicture(",
                                        "WriteFile(", "SetPreviewPlacement(", "ShowPreview("};
    for (const char *name : names)
        if (call.rfind(name, 0) == 0)
            return true;
    return false;
}

class PrintFromTheWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadPrintEngineAtStartup(loader, QCoreApplication::applicationDirPath(), host,
                                             QStringLiteral("fretprint_fake")));
        QLibrary library(loader.FileName());
        auto control = reinterpret_cast<FakeEngineControlFn>(library.resolve(kFakeEngineControlName));
        ASSERT_NE(control, nullptr);
        fake = control();
        fake->reset();
        form = std::make_unique<TForm1>(&host, nullptr, &loader);
        form->move(120, 70);
        placed = "PlacePicture(7,1,1,-2147483549.0,-2147483549.0," + SnapshotFilePath().toStdString() + ")";
    }

    void TearDown() override { form.reset(); }

    std::vector<std::string> TakeDocumentCalls()
    {
        std::vector<std::string> calls;
        for (const std::string &call : fake->calls)
            if (IsDocumentCall(call))
                calls.push_back(call);
        fake->calls.clear();
        return calls;
    }

    std::string WriteFileCall(const QString &path) { return "WriteFile(7," + path.toStdString() + ")"; }

    PrintEngineLoader loader; // first: the library outlives the window
    TScriptedDialogHost host;
    FakeEngineState *fake = nullptr;
    std::unique_ptr<TForm1> form;
    QTemporaryDir target;
    std::string placed;
    const std::string opened = "OpenDoc(Kerfhaven,0x20311)";
};

TEST_F(PrintFromTheWindow, PrintOpensPlacesAndShowsThePreviewBesideTheWindowAndTwiceClosesFirst)
{
    const QString caption = form->windowTitle();
    form->Button1->click();
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{opened, placed, "SetPreviewPlacement(7,140,90,980,590,1)",
                                                             "ShowPreview(7)"}));
    EXPECT_TRUE(form->PrintEngine1->DocumentOpen()) << "the document stays open with the preview";

    // The menu item clicks the button; the old document goes first.
    form->Print1->trigger();
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{"CloseDoc(7)", opened, placed,
                                                             "SetPreviewPlacement(7,140,90,980,590,1)",
                                                             "ShowPreview(7)"}));
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PrintFromTheWindow, PageOutlineOffSuppressesTheOutlineBetweenOpenAndPlace)
{
    form->CheckBox4->setChecked(false);
    form->Button1->click();
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{opened, "SuppressOutline(7)", placed,
                                                             "SetPreviewPlacement(7,140,90,980,590,1)",
                                                             "ShowPreview(7)"}));
    form->PrintEngine1->CloseDoc();
    fake->calls.clear();

    host.QueueFileName(target.filePath("sign"));
    form->Button8->click();
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{opened, "SuppressOutline(7)", placed,
                                                             WriteFileCall(target.filePath("sign.pdf")),
                                                             "CloseDoc(7)"}));
}

TEST_F(PrintFromTheWindow, PrintWithBaseAndARedFontPutsARedBarInsideItsOutlineIntoTheSnapshot)
{
    form->PatternView()->Caption()->Font()->setColor(kRed);
    form->CheckBox3->setChecked(true);
    form->Button1->click();

    const QImage snapshot = QImage(SnapshotFilePath(), "bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(snapshot.size(), QSize(960, 144));
    int wrong = 0;
    for (int y = 109; y <= 138; ++y)
        for (int x = 15; x <= 944; ++x) {
            const bool outline = x == 15 || x == 944 || y == 109 || y == 138;
            wrong += snapshot.pixel(x, y) != (outline ? kBlackPixel : kRedPixel);
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(PrintFromTheWindow, ExportPdfAsksThenWritesThroughTheEngineAndLeavesNoDocument)
{
    form->CheckBox3->setChecked(true);
    form->PatternView()->Caption()->Font()->setColor(kRed);
    const QString caption = form->windowTitle();
    host.QueueFileName(target.filePath("sign.pdf"));
    form->SavePDF1->trigger();

    ASSERT_EQ(host.FileDialogs.size(), 1u);
    EXPECT_EQ(host.FileDialogs[0].FileName, "untitled");
    EXPECT_EQ(host.FileDialogs[0].Filter, "PDF file|*.pdf");
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{opened, placed, WriteFileCall(target.filePath("sign.pdf")),
                                                             "CloseDoc(7)"}));
    EXPECT_FALSE(form->PrintEngine1->DocumentOpen());
    EXPECT_EQ(form->windowTitle(), caption);
    // The PDF's bar is black whatever the text colour.
    const QImage snapshot = QImage(SnapshotFilePath(), "bmp").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(snapshot.pixel(500, 120), kBlackPixel);

    // Only an exact ".pdf" is kept; anything else gets one appended.
    const std::pair<QString, QString> names[] = {
        {"sign", "sign.pdf"}, {"sign.PDF", "sign.PDF.pdf"}, {"sign.txt", "sign.txt.pdf"}};
    for (const auto &[chosen, written] : names) {
        host.QueueFileName(target.filePath(chosen));
        if (QFile::exists(target.filePath(written)))
            host.QueueMessageAnswer(mrYes);
        form->Button8->click();
        const auto calls = TakeDocumentCalls();
        ASSERT_EQ(calls.size(), 4u) << chosen.toStdString();
        EXPECT_EQ(calls[2], WriteFileCall(target.filePath(written)));
    }
    EXPECT_TRUE(host.AllAnswersUsed());
}

TEST_F(PrintFromTheWindow, CancelOrNoToOverwriteMakesNoEngineCall)
{
    host.QueueFileCancel();
    form->Button8->click();
    EXPECT_TRUE(fake->calls.empty());
    EXPECT_TRUE(host.Messages.empty());

    QFile existing(target.filePath("sign.pdf"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    host.QueueFileName(target.filePath("sign"));
    host.QueueMessageAnswer(mrNo);
    host.QueueMessageAnswer(mrOk);
    form->Button8->click();
    EXPECT_TRUE(fake->calls.empty());
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "Overwrite File?");
    EXPECT_EQ(host.Messages[1].Text, "File not saved!");

    // Closed without an answer: nothing written, nothing said.
    host.QueueFileName(target.filePath("sign"));
    host.QueueMessageAnswer(mrNone);
    form->Button8->click();
    EXPECT_TRUE(fake->calls.empty());
    EXPECT_EQ(host.Messages.size(), 3u);
}

TEST_F(PrintFromTheWindow, PdfWhileThePreviewIsOpenShowsTheEngineErrorAndWritesNoPdf)
{
    form->Button1->click();
    fake->calls.clear();
    host.QueueFileName(target.filePath("sign"));
    host.QueueMessageAnswer(mrOk);
    form->Button8->click();

    EXPECT_TRUE(TakeDocumentCalls().empty()) << "OpenDoc refuses before calling the engine";
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, kDocumentOpen);
    EXPECT_EQ(host.Messages[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(host.Messages[0].Caption, "Kerfhaven Fretcard Printer");
    EXPECT_TRUE(form->PrintEngine1->DocumentOpen()) << "the preview's document is left alone";
}

TEST_F(PrintFromTheWindow, AnEngineThatRefusesTheDocumentEndsPrintWithTheNotOpenError)
{
    fake->refuseOpen = true;
    host.QueueMessageAnswer(mrOk);
    form->Button1->click();
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{opened}));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text,
              "The print document is not open. You need to call OpenDoc prior to this operation.");
}

TEST_F(PrintFromTheWindow, ClosingTheWindowClosesTheOpenDocumentThroughTheEngine)
{
    form->Button1->click();
    fake->calls.clear();
    form.reset();
    EXPECT_EQ(TakeDocumentCalls(), (std::vector<std::string>{"CloseDoc(7)"}));
}

// ---------------------------------------------------------------------------

TEST(PrintEngineAtStartup, AMissingLibraryIsReportedOnceAndTheWindowStillWorks)
{
    QTemporaryDir emptyFolder;
    TScriptedDialogHost host;
    PrintEngineLoader loader;
    host.QueueMessageAnswer(mrOk);
    EXPECT_FALSE(LoadPrintEngineAtStartup(loader, emptyFolder.path(), host, QStringLiteral("fretprint_absent")));
    EXPECT_FALSE(LoadPrintEngineAtStartup(loader, emptyFolder.path(), host, QStringLiteral("fretprint_absent")));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, kEngineMissing);
    EXPECT_EQ(host.Messages[0].Caption, "Print Engine");
    EXPECT_EQ(host.Messages[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(host.Messages[0].Buttons, TMsgDlgButtons(mbOK));

    // Both commands say so clearly, ask nothing and leave no document.
    TForm1 form(&host, nullptr, &loader);
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.PrintEngineLoaded());
    host.QueueMessageAnswer(mrOk);
    host.QueueMessageAnswer(mrOk);
    form.Button1->click();
    form.SavePDF1->trigger();
    ASSERT_EQ(host.Messages.size(), 3u);
    EXPECT_EQ(host.Messages[1].Text, kEngineMissing);
    EXPECT_EQ(host.Messages[2].Text, kEngineMissing);
    EXPECT_EQ(host.Messages[2].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(host.FileDialogs.empty());
    EXPECT_FALSE(form.PrintEngine1->DocumentOpen());
}

TEST(PrintEngineAtStartup, AWindowWithoutALoaderHasAnIdleComponentWithTheStoredPage)
{
    TScriptedDialogHost host;
    TForm1 form(&host);
    ASSERT_NE(form.PrintEngine1, nullptr);
    EXPECT_FALSE(form.PrintEngineLoaded());
    EXPECT_EQ(form.PrintEngine1->OpenFlags(), 0x20311);
    EXPECT_EQ(form.PrintEngine1->PageOrientation(), ORIENT_LANDSCAPE);
    EXPECT_FALSE(form.PrintEngine1->isVisible());
}
} // namespace
