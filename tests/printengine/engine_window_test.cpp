// The real engine's window behaviour with the component: a refused close,
// the embedded preview, automatic page breaks, page reads while open.

#include "enginetestsupport.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace {

class EngineWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(loader.Load(BinaryFolder()).has_value());
        QImage pattern(960, 144, QImage::Format_RGB32);
        pattern.fill(Qt::white);
        bmp = dir.filePath("xyz.bmp");
        ASSERT_TRUE(WriteBmp(bmp, pattern, 24));
    }

    void openWithPicture(TPrintEngine &engine, double y = 1.0)
    {
        engine.OpenDoc();
        engine.PlacePicture(bmp, 1, y, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner);
    }

    QTemporaryDir dir;
    QString bmp;
    PrintEngineLoader loader;
};

QMainWindow *PreviewOf(QWidget *scope)
{
    if (scope)
        return scope->findChild<QMainWindow *>("fretprintPreview");
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "fretprintPreview" && widget->isVisible())
            return qobject_cast<QMainWindow *>(widget);
    return nullptr;
}

QString ZoomText(QMainWindow *preview)
{
    for (QWidget *label : preview->findChildren<QWidget *>())
        if (auto *text = qobject_cast<QLabel *>(label); text && text->text().endsWith('%'))
            return text->text();
    return {};
}

} // namespace

TEST_F(EngineWindowTest, RefusedCloseKeepsThePreviewAndItsDocument)
{
    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    int closing = 0;
    engine.OnRequestClose = [](TPrintEngine *, bool &canClose) { canClose = false; };
    engine.OnCloseWindow = [&closing](TPrintEngine *) { ++closing; };
    openWithPicture(engine);
    engine.ShowPreview();
    QMainWindow *preview = PreviewOf(nullptr);
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->close());
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(engine.DocumentOpen());
    EXPECT_EQ(closing, 0);

    engine.OnRequestClose = nullptr;
    EXPECT_TRUE(preview->close());
    EXPECT_EQ(closing, 1);
    EXPECT_FALSE(engine.DocumentOpen());
}

TEST_F(EngineWindowTest, EmbeddedPreviewFillsTheControlAndTakesItsKeysAndWheel)
{
    QWidget host;
    host.resize(700, 500);
    auto *engine = new TPrintEngine(loader.Table(), &host);
    engine->SetExternalWindow(false);
    engine->setGeometry(10, 10, 600, 400);
    host.show();
    openWithPicture(*engine);
    engine->ShowPreview();
    EXPECT_TRUE(engine->isVisible());
    QMainWindow *preview = PreviewOf(engine);
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->isWindow());
    EXPECT_EQ(preview->geometry(), QRect(0, 0, 600, 400));

    engine->resize(450, 320);
    EXPECT_EQ(preview->geometry(), QRect(0, 0, 450, 320));

    EXPECT_EQ(ZoomText(preview), "100 %");
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, "+");
    QCoreApplication::sendEvent(engine, &plus);
    EXPECT_EQ(ZoomText(preview), "125 %");

    // Shift and the wheel zoom the embedded page; a plain wheel only scrolls.
    QWheelEvent plain(QPointF(20, 20), engine->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(engine, &plain);
    EXPECT_EQ(ZoomText(preview), "125 %");
    QWheelEvent shifted(QPointF(20, 20), engine->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, 120),
                        Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(engine, &shifted);
    EXPECT_EQ(ZoomText(preview), "156 %");

    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_FALSE(engine->isVisible());
    EXPECT_EQ(PreviewOf(engine), nullptr);
}

TEST_F(EngineWindowTest, PictureBelowThePageStartsAnotherPage)
{
    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    int breaks = 0;
    engine.OnAutoPageBreak = [&breaks](TPrintEngine *) { ++breaks; };
    openWithPicture(engine, 1.0);
    // Landscape letter is 21.59 cm high: 23.59 cm is 2 cm down the second page.
    EXPECT_NEAR(engine.PlacePicture(bmp, 1, 23.59, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner),
                2.0 + 3.81, 1e-9);
    EXPECT_EQ(breaks, 1);
    const QString pdf = dir.filePath("two.pdf");
    ASSERT_EQ(engine.WriteDocFile(pdf), 1);
    EXPECT_TRUE(RunTool("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+2\\n")));

    // Absurd coordinates are refused instead of making a million pages.
    EXPECT_EQ(engine.PlacePicture(bmp, 1, 1e9, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner), 0.0);
    EXPECT_EQ(breaks, 1);
    engine.CloseDoc();
}

TEST_F(EngineWindowTest, PageReadsWhileOpenComeFromTheEngine)
{
    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    engine.OpenDoc();
    EXPECT_DOUBLE_EQ(engine.PageWidth(), 21.59);
    EXPECT_DOUBLE_EQ(engine.PageHeight(), 27.94);
    EXPECT_EQ(engine.PageOrientation(), ORIENT_LANDSCAPE);
    engine.SetPageFormat(Paper::PAPER_A4);
    engine.SetPageOrientation(ORIENT_PORTRAIT);
    EXPECT_DOUBLE_EQ(engine.PageWidth(), 21.0);
    EXPECT_DOUBLE_EQ(engine.PageHeight(), 29.7);
    EXPECT_EQ(engine.PageOrientation(), ORIENT_PORTRAIT);
    const QString pdf = dir.filePath("a4.pdf");
    ASSERT_EQ(engine.WriteDocFile(pdf), 1);
    // The PDF's page box is in whole points: A4 comes out as 595 x 842.
    EXPECT_TRUE(RunTool("pdfinfo", {pdf}).contains(QRegularExpression("Page size:\\s+595 x 842 pts")));
    engine.CloseDoc();
}

namespace {

QAction *ActionNamed(QMainWindow *window, const QString &text)
{
    for (QAction *action : window->actions())
        if (action->text().remove('&') == text)
            return action;
    return nullptr;
}

} // namespace

// A cancelling answer must stop the engine before any dialog opens (a
// dialog here would block the test until its time-out).
TEST_F(EngineWindowTest, CancellingAnswersStopTheEnginesActions)
{
    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    engine.SettbMail(true);
    engine.SettbHelp(true);
    engine.SetEnableHelpRouting(true);
    std::vector<std::string> seen;
    engine.OnRequestPrint = [&seen](TPrintEngine *, int action, int &resulting) {
        seen.push_back("print" + std::to_string(action));
        resulting = 1;
    };
    engine.OnBeforeSaveFile = [&seen](TPrintEngine *, bool &cancel) { seen.push_back("save"), cancel = true; };
    engine.OnBeforeOpenFile = [&seen](TPrintEngine *, bool &cancel) { seen.push_back("open"), cancel = true; };
    engine.OnBeforeMail = [&seen](TPrintEngine *, bool &cancel) { seen.push_back("mail"), cancel = true; };
    engine.OnAfterMail = [&seen](TPrintEngine *, int) { seen.push_back("mailed"); };
    engine.OnHelp = [&seen](TPrintEngine *) { seen.push_back("help"); };
    openWithPicture(engine);
    engine.ShowPreview();
    QMainWindow *preview = PreviewOf(nullptr);
    ASSERT_NE(preview, nullptr);
    for (const char *command : {"Print...", "Save as PDF...", "Open Picture...", "Mail...", "Help"}) {
        QAction *action = ActionNamed(preview, command);
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"print1", "save", "open", "mail", "help"}));
    EXPECT_EQ(preview->findChild<QWidget *>("fretprintNotice"), nullptr);
    EXPECT_TRUE(preview->isEnabled());
    EXPECT_TRUE(engine.CloseDoc());
}
