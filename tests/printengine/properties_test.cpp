// TPrintEngine's properties while a document is open or closed, the page
// format / page size coupling, and the paper table.

#include "enginetestsupport.h"

#include <cmath>


namespace {

template <typename Operation>
bool RaisesKind1(Operation operation)
{
    try {
        operation();
    } catch (const EPrintEngineError &error) {
        return error.kind() == EPrintEngineError::DocumentOpen;
    }
    return false;
}

} // namespace

TEST(PaperSizes, NamedPapersHaveTheirStandardSizes)
{
    struct Row {
        TPaperFormat format;
        double width, height;
    };
    const Row rows[] = {
        {Paper::PAPER_A4, 21.0, 29.7},          {Paper::PAPER_LETTER, 21.59, 27.94},
        {Paper::PAPER_LETTERSMALL, 21.59, 27.94}, {Paper::PAPER_NOTE, 21.59, 27.94},
        {Paper::PAPER_LETTER_TRANSVERSE, 21.59, 27.94}, {Paper::PAPER_LEGAL, 21.59, 35.56},
        {Paper::PAPER_A3, 29.7, 42.0},          {Paper::PAPER_A5, 14.8, 21.0},
        {Paper::PAPER_LEDGER, 43.18, 27.94},    {Paper::PAPER_LETTER_ROTATED, 27.94, 21.59},
        {Paper::PAPER_A4_ROTATED, 29.7, 21.0},  {Paper::PAPER_RESERVED_48, 21.0, 29.7},
        {Paper::PAPER_RESERVED_49, 21.0, 29.7}, {Paper::PAPER_ENV_DL, 11.0, 22.0},
        {Paper::PAPER_PENV_10_ROTATED, 45.8, 32.4},
    };
    for (const Row &row : rows) {
        ASSERT_TRUE(Paper::HasSize(row.format));
        EXPECT_DOUBLE_EQ(Paper::SizeOf(row.format).widthCm, row.width) << row.format;
        EXPECT_DOUBLE_EQ(Paper::SizeOf(row.format).heightCm, row.height) << row.format;
    }
    EXPECT_FALSE(Paper::HasSize(Paper::PAPER_USER_DEFINED));
    EXPECT_EQ(Paper::PAPER_PENV_10_ROTATED, 118);
    for (int format = 1; format <= Paper::kFormatCount; ++format) {
        EXPECT_GT(Paper::SizeOf(format).widthCm, 5.0) << format;
        EXPECT_GT(Paper::SizeOf(format).heightCm, 5.0) << format;
    }
}

TEST_F(FakeEngineTest, PageSizeWritesWhileClosedMakeTheFormatUserDefinedExceptWhileLoading)
{
    LoadPrintEngine1Layout(*engine);
    EXPECT_EQ(engine->PageFormat(), Paper::PAPER_LETTER);
    EXPECT_DOUBLE_EQ(engine->PageWidth(), 21.59);
    EXPECT_DOUBLE_EQ(engine->PageHeight(), 27.94);

    engine->SetPageFormat(Paper::PAPER_A4);
    EXPECT_EQ(engine->PageFormat(), Paper::PAPER_A4);
    EXPECT_DOUBLE_EQ(engine->PageWidth(), 21.0);
    EXPECT_DOUBLE_EQ(engine->PageHeight(), 29.7);

    engine->SetPageWidth(25.0);
    EXPECT_EQ(engine->PageFormat(), Paper::PAPER_USER_DEFINED);
    engine->SetPageFormat(Paper::PAPER_LEDGER);
    engine->SetPageHeight(20.0);
    EXPECT_EQ(engine->PageFormat(), Paper::PAPER_USER_DEFINED);
    EXPECT_DOUBLE_EQ(engine->PageWidth(), 43.18);

    engine->SetPageFormat(Paper::PAPER_USER_DEFINED); // keeps the lengths
    EXPECT_DOUBLE_EQ(engine->PageWidth(), 43.18);
    EXPECT_DOUBLE_EQ(engine->PageHeight(), 20.0);

    engine->OpenDoc();
    EXPECT_EQ(TakeCalls()[3], "SetPageWidth(7,43.18)");
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(FakeEngineTest, SwitchesThatShapeTheWindowRefuseWritesWhileOpen)
{
    OpenStored();
    EXPECT_TRUE(RaisesKind1([&] { engine->SetRulers(false); }));
    EXPECT_TRUE(RaisesKind1([&] { engine->SetToolBar(true); }));
    EXPECT_TRUE(RaisesKind1([&] { engine->SetExternalWindow(false); }));
    EXPECT_TRUE(RaisesKind1([&] { engine->SetBorderStyle(TBorderStyle::bsNone); }));
    EXPECT_TRUE(RaisesKind1([&] { engine->SetStatusBar(false); }));
    EXPECT_TRUE(RaisesKind1([&] { engine->SetPageScroller(false); }));
    EXPECT_TRUE(RaisesKind1([&] { engine->SetStatusSegment(false); }));
    for (auto set : {&TPrintEngine::SettbAbout, &TPrintEngine::SettbClose, &TPrintEngine::SettbGrid,
                     &TPrintEngine::SettbHelp, &TPrintEngine::SettbNavigate, &TPrintEngine::SettbOpen,
                     &TPrintEngine::SettbSave, &TPrintEngine::SettbPrint, &TPrintEngine::SettbMail,
                     &TPrintEngine::SettbScale})
        EXPECT_TRUE(RaisesKind1([&] { (engine.get()->*set)(true); }));
    EXPECT_TRUE(TakeCalls().empty());
    // Nothing changed: the stored values still read back.
    EXPECT_TRUE(engine->Rulers());
    EXPECT_FALSE(engine->ToolBar());
    EXPECT_FALSE(engine->tbAbout());
    EXPECT_EQ(engine->BorderStyle(), TBorderStyle::bsSingle);
}

TEST_F(FakeEngineTest, SettingsReadableOnlyWhileClosedRaiseKind1WhenOpen)
{
    OpenStored();
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->GridVisible(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->GridMode(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->PageFormat(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->EnableHelpRouting(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->EnablePrintSetupDialog(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->PaperView(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->DocFileReadOnly(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->PageScrollerTracking(); }));
    EXPECT_TRUE(RaisesKind1([&] { (void)engine->PreviewCtrl(); }));
    // Stored ones still read.
    EXPECT_EQ(engine->Caption(), "Kerfhaven");
    EXPECT_EQ(engine->RulersMeasure(), TRulersMeasure::inch);
    EXPECT_TRUE(engine->tbClose());
    EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(FakeEngineTest, PageReadsWhileOpenAskTheEngine)
{
    OpenStored();
    fake->pageWidth = 33.3;
    fake->pageHeight = 44.4;
    EXPECT_DOUBLE_EQ(engine->PageWidth(), 33.3);
    EXPECT_DOUBLE_EQ(engine->PageHeight(), 44.4);
    fake->orientation = 1;
    EXPECT_EQ(engine->PageOrientation(), ORIENT_PORTRAIT);
    fake->orientation = 5; // anything but portrait is landscape
    EXPECT_EQ(engine->PageOrientation(), ORIENT_LANDSCAPE);
    EXPECT_EQ(TakeCalls(), (Calls{"GetPageWidth(7)", "GetPageHeight(7)", "GetPageOrientation(7)",
                                  "GetPageOrientation(7)"}));
}

TEST_F(FakeEngineTest, WritesWhileOpenGoToTheEngineAndAreStoredOnlyWhereThatIsTheRule)
{
    OpenStored();
    engine->SetPageWidth(30.0);
    engine->SetPageHeight(10.5);
    engine->SetPageFormat(Paper::PAPER_A4);
    engine->SetPageOrientation(ORIENT_PORTRAIT);
    engine->SetGridMode(TGridMode::InBackground);
    engine->SetGridVisible(true);
    engine->SetEnableHelpRouting(true);
    engine->SetEnablePrintSetupDialog(false);
    engine->SetPaperView(false);
    engine->SetDocFileReadOnly(true);
    engine->SetRulersMeasure(TRulersMeasure::cm);
    engine->SetPageScrollerTracking(false);
    engine->SetPreviewCtrl(TPreviewCtrl::Stay);
    engine->SetCaption("Later");
    EXPECT_EQ(TakeCalls(),
              (Calls{"SetPageWidth(7,30)", "SetPageHeight(7,10.5)", "SetPageFormat(7,-1)", "SetPageOrientation(7,1)",
                     "SetGridMode(7,0)", "SetGridVisible(7,1)", "SetHelpRouting(7,1)", "SetPrintSetupDialog(7,0)",
                     "SetPaperView(7,0)", "SetDocFileReadOnly(7,1)", "SetRulersMeasure(7,0)",
                     "SetPageScrollerTracking(7,0)", "SetPreviewCtrl(7,0)"}));
    // Stored while open: RulersMeasure, PageScrollerTracking, PreviewCtrl and the caption.
    EXPECT_EQ(engine->RulersMeasure(), TRulersMeasure::cm);
    ASSERT_TRUE(engine->CloseDoc());
    EXPECT_EQ(engine->PageFormat(), Paper::PAPER_LETTER);
    EXPECT_DOUBLE_EQ(engine->PageWidth(), 21.59);
    EXPECT_DOUBLE_EQ(engine->PageHeight(), 27.94);
    EXPECT_EQ(engine->PageOrientation(), ORIENT_LANDSCAPE);
    EXPECT_EQ(engine->GridMode(), TGridMode::InForeground);
    EXPECT_FALSE(engine->GridVisible());
    EXPECT_FALSE(engine->EnableHelpRouting());
    EXPECT_TRUE(engine->EnablePrintSetupDialog());
    EXPECT_TRUE(engine->PaperView());
    EXPECT_FALSE(engine->DocFileReadOnly());
    EXPECT_FALSE(engine->PageScrollerTracking());
    EXPECT_EQ(engine->PreviewCtrl(), TPreviewCtrl::Stay);
    EXPECT_EQ(engine->Caption(), "Later");
}

TEST_F(FakeEngineTest, RulersMeasureWrittenWhileOpenIsStoredAndPassedAsZeroOrOne)
{
    OpenStored();
    engine->SetRulersMeasure(TRulersMeasure::cm);
    engine->SetRulersMeasure(TRulersMeasure::inch);
    EXPECT_EQ(TakeCalls(), (Calls{"SetRulersMeasure(7,0)", "SetRulersMeasure(7,1)"}));
    EXPECT_EQ(engine->RulersMeasure(), TRulersMeasure::inch);
}
