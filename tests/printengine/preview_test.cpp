// The real engine's preview window: placement, the buttons the open flags
// allow, closing and its notification, printing without a printer.

#include "enginetestsupport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

QMainWindow *FindPreview()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "fretprintPreview" && widget->isVisible())
            return qobject_cast<QMainWindow *>(widget);
    return nullptr;
}

QStringList ActionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *action : actions)
        if (!action->isSeparator())
            texts << action->text().remove('&');
    return texts;
}

QStringList MenuTexts(QMainWindow *window)
{
    QStringList texts;
    for (QAction *menu : window->menuBar()->actions())
        if (menu->isVisible() && menu->menu())
            texts << ActionTexts(menu->menu()->actions());
    return texts;
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(loader.Load(BinaryFolder()).has_value());
        engine = std::make_unique<TPrintEngine>(loader.Table());
        QImage pattern(960, 144, QImage::Format_RGB32);
        pattern.fill(Qt::white);
        bmp = dir.filePath("xyz.bmp");
        ASSERT_TRUE(WriteBmp(bmp, pattern, 24));
    }

    QMainWindow *showPreview()
    {
        engine->OpenDoc();
        engine->PlacePicture(bmp, 1, 1, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner);
        engine->SetPreviewPlacement(120, 80, 980, 590, 1);
        engine->ShowPreview();
        return FindPreview();
    }

    QTemporaryDir dir;
    QString bmp;
    PrintEngineLoader loader;
    std::unique_ptr<TPrintEngine> engine;
};

} // namespace

TEST_F(PreviewTest, AppearsAtTheRequestedPlaceAndClosingItEndsTheDocument)
{
    LoadPrintEngine1Layout(*engine);
    int destroyed = 0;
    engine->OnDestroyWindow = [&destroyed](TPrintEngine *) { ++destroyed; };
    QMainWindow *preview = showPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), "Kerfhaven");
    EXPECT_EQ(preview->pos(), QPoint(120, 80));
    EXPECT_EQ(preview->size(), QSize(980, 590));
    EXPECT_TRUE(engine->DocumentOpen());

    EXPECT_TRUE(preview->close());
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(engine->DocumentOpen());
    EXPECT_EQ(FindPreview(), nullptr);
    EXPECT_TRUE(engine->CloseDoc());

    // A new document works, and the closed window has really gone.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(showPreview(), nullptr);
    EXPECT_TRUE(engine->CloseDoc());
    EXPECT_EQ(FindPreview(), nullptr);
}

TEST_F(PreviewTest, StoredSwitchesHideTheToolBarButMenusStillOfferPrint)
{
    LoadPrintEngine1Layout(*engine);
    QMainWindow *preview = showPreview();
    ASSERT_NE(preview, nullptr);
    auto *toolBar = preview->findChild<QToolBar *>();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_FALSE(toolBar->isVisible());
    const QStringList menus = MenuTexts(preview);
    for (const char *wanted : {"Print...", "Save as PDF...", "Open Picture...", "Close", "Zoom In", "Next Page"})
        EXPECT_TRUE(menus.contains(wanted)) << wanted;
    for (const char *unwanted : {"Mail...", "Help", "About", "Grid"})
        EXPECT_FALSE(menus.contains(unwanted)) << unwanted;
    engine->CloseDoc();
}

TEST_F(PreviewTest, ToolBarCarriesExactlyTheButtonsTheFlagsAllowAndAlwaysPrint)
{
    engine->SettbPrint(false);
    engine->SettbSave(false);
    engine->SettbGrid(true);
    engine->SettbAbout(false);
    QMainWindow *preview = showPreview();
    ASSERT_NE(preview, nullptr);
    auto *toolBar = preview->findChild<QToolBar *>();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_EQ(ActionTexts(toolBar->actions()),
              (QStringList{"Open Picture...", "Print...", "Mail...", "First Page", "Previous Page", "Next Page",
                           "Last Page", "Zoom Out", "Actual Size", "Zoom In", "Grid", "Help", "Close"}));
    engine->CloseDoc();
}

TEST_F(PreviewTest, PrintingWithoutAPrinterTellsTheUserAndKeepsTheDocument)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed here";
    LoadPrintEngine1Layout(*engine);
    QMainWindow *preview = showPreview();
    ASSERT_NE(preview, nullptr);
    QAction *print = nullptr;
    for (QAction *action : preview->actions())
        if (action->text() == "&Print...")
            print = action;
    ASSERT_NE(print, nullptr);
    print->trigger();
    auto *notice = preview->findChild<QMessageBox *>("fretprintNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().contains("No printer"));
    notice->close();
    EXPECT_TRUE(engine->DocumentOpen());
    EXPECT_TRUE(engine->CloseDoc());
}
