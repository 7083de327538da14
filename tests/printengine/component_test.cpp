// TPrintEngine against the recording fake engine: what reaches the engine,
// in which order, and what the component refuses to do.

#include "enginetestsupport.h"
#include "printengine/protocol/enginemessage.h"

#include <QCoreApplication>


namespace {

void SendEngineMessage(QWidget *target, unsigned message, qintptr wParam = 0, qintptr *result = nullptr)
{
    EngineMessageEvent event(message, wParam);
    QCoreApplication::sendEvent(target, &event);
    if (result)
        *result = event.result();
}

template <typename Operation>
void ExpectKind(Operation operation, int kind)
{
    try {
        operation();
        ADD_FAILURE() << "no EPrintEngineError raised";
    } catch (const EPrintEngineError &error) {
        EXPECT_EQ(error.kind(), kind);
        EXPECT_EQ(error.message(), EPrintEngineError::MessageFor(static_cast<std::uint8_t>(kind)));
    }
}

} // namespace

TEST_F(FakeEngineTest, StoredValuesOpenWithFlags0x20311AndTheExactSettingsSequence)
{
    LoadPrintEngine1Layout(*engine);
    EXPECT_EQ(engine->OpenFlags(), 0x20311);
    engine->OpenDoc();
    EXPECT_EQ(TakeCalls(), (Calls{"OpenDoc(Kerfhaven,0x20311)", "GetStatus(7)", "SetPageOrientation(7,2)",
                                  "SetPageFormat(7,-2)", "SetRulersMeasure(7,1)",
                                  "SetPageScrollerTracking(7,1)", "SetPreviewCtrl(7,1)"}));
    EXPECT_TRUE(engine->DocumentOpen());
    EXPECT_EQ(fake->lastParent, static_cast<QWidget *>(engine.get()));
    EXPECT_FALSE(engine->isVisible());
}

TEST_F(FakeEngineTest, ConstructorDefaultsOpenPortraitA4InCentimetres)
{
    EXPECT_EQ(engine->Caption(), "Print Preview");
    EXPECT_EQ(engine->OpenFlags(), 0x20000);
    engine->OpenDoc();
    EXPECT_EQ(TakeCalls(), (Calls{"OpenDoc(Print Preview,0x20000)", "GetStatus(7)", "SetPageFormat(7,-1)",
                                  "SetRulersMeasure(7,0)", "SetPageScrollerTracking(7,1)",
                                  "SetPreviewCtrl(7,1)"}));
}

TEST_F(FakeEngineTest, EverySwitchAddsExactlyItsOwnOpenFlag)
{
    struct Case {
        const char *name;
        void (TPrintEngine::*set)(bool);
        bool value;
        std::int32_t bit;
    };
    const Case cases[] = {
        {"ExternalWindow", &TPrintEngine::SetExternalWindow, false, 0x8000},
        {"Rulers", &TPrintEngine::SetRulers, false, 0x4000},
        {"StatusBar", &TPrintEngine::SetStatusBar, false, 0x800},
        {"ToolBar", &TPrintEngine::SetToolBar, false, 0x1},
        {"tbAbout", &TPrintEngine::SettbAbout, false, 0x200},
        {"tbClose", &TPrintEngine::SettbClose, false, 0x400},
        {"tbGrid", &TPrintEngine::SettbGrid, true, 0x40},
        {"tbHelp", &TPrintEngine::SettbHelp, false, 0x100},
        {"tbNavigate", &TPrintEngine::SettbNavigate, false, 0x80},
        {"tbOpen", &TPrintEngine::SettbOpen, false, 0x40000},
        {"tbSave", &TPrintEngine::SettbSave, false, 0x80000},
        {"tbPrint", &TPrintEngine::SettbPrint, false, 0x8},
        {"tbMail", &TPrintEngine::SettbMail, false, 0x10},
        {"tbScale", &TPrintEngine::SettbScale, false, 0x20},
        {"PageScroller", &TPrintEngine::SetPageScroller, false, 0x1000},
        {"StatusSegment", &TPrintEngine::SetStatusSegment, false, 0x2000},
        {"DocFileReadOnly", &TPrintEngine::SetDocFileReadOnly, true, 0x10000},
    };
    for (const Case &c : cases) {
        TPrintEngine component(loader.Table());
        (component.*c.set)(c.value);
        EXPECT_EQ(component.OpenFlags(), 0x20000 | c.bit) << c.name;
    }
}

TEST_F(FakeEngineTest, UserDefinedPageAndNonDefaultSettingsGoInTheirOrder)
{
    engine->SetPageOrientation(ORIENT_LANDSCAPE);
    engine->SetPageFormat(Paper::PAPER_USER_DEFINED);
    engine->SetPageWidth(30.5);
    engine->SetPageHeight(12.25);
    engine->SetPaperView(false);
    engine->SetGridMode(TGridMode::InBackground);
    engine->SetGridVisible(true);
    engine->SetEnableHelpRouting(true);
    engine->SetEnablePrintSetupDialog(false);
    engine->SetRulers(false);
    engine->SetPageScrollerTracking(false);
    engine->SetPreviewCtrl(TPreviewCtrl::Stay);
    engine->OpenDoc();
    EXPECT_EQ(TakeCalls(), (Calls{"OpenDoc(Print Preview,0x24000)", "GetStatus(7)", "SetPageOrientation(7,2)",
                                  "SetPageWidth(7,30.5)", "SetPageHeight(7,12.25)", "SetPaperView(7,0)",
                                  "SetGridMode(7,0)", "SetGridVisible(7,1)", "SetHelpRouting(7,1)",
                                  "SetPrintSetupDialog(7,0)", "SetPageScrollerTracking(7,0)",
                                  "SetPreviewCtrl(7,0)"}));
}

TEST_F(FakeEngineTest, SecondOpenDocRaisesKind1WithItsMessageAndCallsNothing)
{
    OpenStored();
    try {
        engine->OpenDoc();
        ADD_FAILURE() << "no error";
    } catch (const EPrintEngineError &error) {
        EXPECT_EQ(error.kind(), 1);
        EXPECT_STREQ(error.what(), "The print document is open. The document needs to be closed prior to this "
                                   "operation.");
    }
    EXPECT_TRUE(TakeCalls().empty());
    engine->SuppressOutline();
    EXPECT_EQ(TakeCalls(), (Calls{"SuppressOutline(7)"})) << "the first document stays the open one";
}

TEST_F(FakeEngineTest, DocumentOperationsWithoutADocumentRaiseKind0AndCallNothing)
{
    ExpectKind([&] { engine->SuppressOutline(); }, 0);
    ExpectKind([&] { engine->PlacePicture("a.bmp", 1, 1, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner); }, 0);
    ExpectKind([&] { engine->SetPreviewPlacement(1, 2, 3, 4, 1); }, 0);
    ExpectKind([&] { engine->ShowPreview(); }, 0);
    ExpectKind([&] { engine->WriteDocFile("a.pdf"); }, 0);
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(FakeEngineTest, DocumentOperationsPassTheirArgumentsAndHandBackResults)
{
    OpenStored();
    engine->SuppressOutline();
    EXPECT_DOUBLE_EQ(engine->PlacePicture("/tmp/xyz.bmp", 1.0, 1.0, TPrintEngine::kFreeCorner,
                                          TPrintEngine::kFreeCorner),
                     4.5);
    engine->SetPreviewPlacement(120, 80, 980, 590, 1);
    EXPECT_EQ(engine->ShowPreview(), 1);
    EXPECT_EQ(engine->WriteDocFile("/tmp/out.pdf"), 1);
    EXPECT_EQ(TakeCalls(), (Calls{"SuppressOutline(7)", "PlacePicture(7,1,1,-2147483549.0,-2147483549.0,/tmp/xyz.bmp)",
                                  "SetPreviewPlacement(7,120,80,980,590,1)", "ShowPreview(7)",
                                  "WriteFile(7,/tmp/out.pdf)"}));
}

TEST_F(FakeEngineTest, CloseDocAsksStatusThenClosesAndHonoursARefusal)
{
    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_TRUE(TakeCalls().empty());

    OpenStored();
    fake->refuseClose = true;
    fake->status = 42;
    EXPECT_FALSE(engine->CloseDoc());
    EXPECT_EQ(TakeCalls(), (Calls{"GetStatus(7)", "CloseDoc(7)"}));
    EXPECT_TRUE(engine->DocumentOpen());
    EXPECT_EQ(engine->Status(), 42);

    fake->refuseClose = false;
    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_EQ(TakeCalls(), (Calls{"GetStatus(7)", "CloseDoc(7)"}));
    EXPECT_FALSE(engine->DocumentOpen());
}

TEST_F(FakeEngineTest, PreviewDestroyedNotificationEndsTheDocumentWithoutACall)
{
    TPrintEngine *sender = nullptr;
    engine->OnDestroyWindow = [&sender](TPrintEngine *s) { sender = s; };
    OpenStored();
    qintptr result = -1;
    SendEngineMessage(engine.get(), EngineMessage::DestroyWindow, 0, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(sender, engine.get());
    EXPECT_FALSE(engine->DocumentOpen());
    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_TRUE(TakeCalls().empty());

    engine->OpenDoc();
    EXPECT_TRUE(engine->DocumentOpen());
    EXPECT_EQ(TakeCalls().front(), "OpenDoc(Kerfhaven,0x20311)");
}

TEST_F(FakeEngineTest, RefusedOpenSetsStatusAndLeavesTheDocumentClosed)
{
    fake->refuseOpen = true;
    LoadPrintEngine1Layout(*engine);
    engine->OpenDoc();
    EXPECT_EQ(TakeCalls(), Calls{"OpenDoc(Kerfhaven,0x20311)"});
    EXPECT_EQ(engine->Status(), 1);
    EXPECT_FALSE(engine->DocumentOpen());
    ExpectKind([&] { engine->SuppressOutline(); }, 0);

    engine->SetSwapFileName("/tmp/swap.tmp");
    engine->OpenDoc();
    EXPECT_EQ(TakeCalls(), Calls{"OpenDocSwap(/tmp/swap.tmp,Kerfhaven,0x20311)"});
    EXPECT_EQ(engine->Status(), 200);
    EXPECT_FALSE(engine->DocumentOpen());
}

TEST_F(FakeEngineTest, DestroyingTheComponentClosesItsDocumentThroughTheEngine)
{
    OpenStored();
    engine.reset();
    EXPECT_EQ(TakeCalls(), Calls{"CloseDoc(7)"});
}

TEST_F(FakeEngineTest, EmbeddedModeShowsTheControlWhileADocumentIsOpen)
{
    QWidget host;
    auto *component = new TPrintEngine(loader.Table(), &host);
    host.show();
    EXPECT_FALSE(component->isVisible());
    component->SetExternalWindow(false);
    component->OpenDoc();
    EXPECT_EQ(TakeCalls().front(), "OpenDoc(Print Preview,0x28000)");
    EXPECT_TRUE(component->isVisible());
    EXPECT_EQ(component->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(component->CloseDoc());
    EXPECT_FALSE(component->isVisible());
}

TEST(PrintEngineError, KindsCarryTheirExactMessages)
{
    const char *expected[] = {
        "The print document is not open. You need to call OpenDoc prior to this operation.",
        "The print document is open. The document needs to be closed prior to this operation.",
        "The value could not be retrieved. Possible causes: Field/Control not found, Datatype Conversion "
        "Impossible or Out of Memory.",
        "The value could not be set. Possible causes: Field/Control not found, Datatype Conversion Impossible "
        "or Out of Memory.",
        "The template file could not be loaded. Possible causes: file not found, wrong version or engine "
        "edition, or Out of Memory.",
        "The handle to the object is invalid. It does not point to a valid print engine object. Probably the "
        "method/property that returned the object has failed.",
    };
    for (std::uint8_t kind = 0; kind < 6; ++kind) {
        const EPrintEngineError error(kind);
        EXPECT_EQ(error.kind(), kind);
        EXPECT_STREQ(error.what(), expected[kind]);
        const EFretcardError &base = error;
        EXPECT_EQ(base.message(), QString::fromUtf8(expected[kind]));
    }
}
