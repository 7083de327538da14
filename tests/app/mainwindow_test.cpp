#include "app/fretcard1.h"

#include "core/errors.h"
#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/rulers.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
const QString kTitle = QStringLiteral("Kerfhaven Fretcard Printer");

class MainWindowTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};

    TShapeControl &view() { return *form.PatternView(); }
    TCaption &caption() { return *view().Caption(); }
    TFont &font() { return *caption().Font(); }
    TFxCaption &effects() { return *caption().FontFX(); }

    void TearDown() override { EXPECT_TRUE(host.AllAnswersUsed()); }
};

// --- The window as it opens ---------------------------------------------

TEST_F(MainWindowTest, OpensWithTheInitialPatternSettings)
{
    EXPECT_EQ(form.windowTitle(), "Kerfhaven Fretcard Printer V1.7");
    EXPECT_EQ(form.ScrollBar1->Position(), 80);
    EXPECT_EQ(form.ScrollBar2->Position(), 960);
    EXPECT_EQ(form.ScrollBar3->Position(), 144);
    EXPECT_EQ(form.ScrollBar4->Position(), 0);
    EXPECT_EQ(form.ScrollBar6->Position(), 0);
    EXPECT_EQ(form.ScrollBar7->Position(), 0);
    EXPECT_EQ(form.ScrollBar5->Position(), 0);
    EXPECT_FALSE(form.CheckBox1->isChecked());
    EXPECT_TRUE(form.CheckBox2->isChecked());
    EXPECT_TRUE(form.CheckBox4->isChecked());
    EXPECT_FALSE(form.CheckBox3->isChecked());
    EXPECT_EQ(font().Name(), "Fretcard Gothic");
    EXPECT_EQ(form.Edit1->text(), "Scroll Saw");

    EXPECT_EQ(form.Label13->text(), "Font Size: 80");
    EXPECT_EQ(form.Label7->text(), "10.00");
    EXPECT_EQ(form.Label9->text(), "1.50");
    EXPECT_EQ(form.Label14->text(), "VPos: 0");
    EXPECT_EQ(form.Label15->text(), "HPos: 0");
    EXPECT_EQ(form.Label12->text(), "Kern: 0");
    EXPECT_EQ(form.Label16->text(), "Corners: 0");
    EXPECT_TRUE(form.Label8->isHidden());
    EXPECT_TRUE(form.Shape2->isHidden());
}

TEST_F(MainWindowTest, ThePreviewStartsInAgreementWithTheControls)
{
    EXPECT_EQ(view().Width(), 960);
    EXPECT_EQ(view().Height(), 144);
    EXPECT_EQ(view().Shape(), stRoundRect);
    EXPECT_EQ(view().RoundPercent(), 0);
    EXPECT_EQ(view().Color(), clMedGray);
    EXPECT_EQ(view().Bevel()->Width(), 1);
    EXPECT_EQ(view().Shadow()->Style(), hssNone);
    EXPECT_EQ(caption().Caption(), "Scroll Saw");
    EXPECT_EQ(caption().Alignment(), agTopLeft);
    EXPECT_FALSE(caption().MultiLine());
    EXPECT_EQ(font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(font().Height(), -107);
    EXPECT_EQ(font().Color(), clBlack);
    EXPECT_EQ(font().Charset(), ANSI_CHARSET);
    EXPECT_EQ(effects().Style(), tdOutline);
    EXPECT_EQ(effects().PosX(), 0);
    EXPECT_EQ(effects().PosY(), 0);
    EXPECT_EQ(effects().Tracing(), 0);
    EXPECT_EQ(view().toolTip(), "This is the pattern display port. What you see here is what will print.");
}

TEST_F(MainWindowTest, TheSevenBarsAreHorizontalAndMoveByOne)
{
    struct Expected {
        TScrollBar *bar;
        int min, max;
        const char *hint;
    };
    const Expected bars[] = {
        {form.ScrollBar1, 10, 200, "Change font size"},
        {form.ScrollBar2, 96, 960, "Change the size of the blank"},
        {form.ScrollBar3, 47, 289, "Change the size of the blank"},
        {form.ScrollBar4, 0, 300, "Position the text vertical"},
        {form.ScrollBar5, 0, 100, "Set the corner roundness"},
        {form.ScrollBar6, 0, 500, "Position the text horizontal"},
        {form.ScrollBar7, -100, 100, "Change the letter spacing"},
    };
    for (const Expected &e : bars) {
        SCOPED_TRACE(e.hint);
        EXPECT_EQ(e.bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(e.bar->Min(), e.min);
        EXPECT_EQ(e.bar->Max(), e.max);
        EXPECT_EQ(e.bar->singleStep(), 1);
        EXPECT_EQ(e.bar->pageStep(), 1);
        EXPECT_EQ(e.bar->toolTip(), e.hint);
    }
    EXPECT_EQ(form.ScrollBar1->nextInFocusChain(), form.ScrollBar2);
    EXPECT_EQ(form.ScrollBar2->nextInFocusChain(), form.ScrollBar3);
    EXPECT_EQ(form.ScrollBar3->nextInFocusChain(), form.ScrollBar4);
    EXPECT_EQ(form.ScrollBar4->nextInFocusChain(), form.ScrollBar5);
    EXPECT_EQ(form.ScrollBar5->nextInFocusChain(), form.ScrollBar6);
    EXPECT_EQ(form.ScrollBar6->nextInFocusChain(), form.ScrollBar7);
}

TEST_F(MainWindowTest, ControlsSitAtTheirLayoutPositions)
{
    EXPECT_EQ(form.centralWidget()->size(), QSize(1008, 623));
    EXPECT_EQ(form.Panel1->geometry(), QRect(4, 8, 1001, 385));
    EXPECT_EQ(form.Panel2->geometry(), QRect(8, 400, 521, 185));
    EXPECT_EQ(form.Panel3->geometry(), QRect(536, 400, 465, 185));
    EXPECT_EQ(form.Panel5->geometry(), QRect(8, 592, 673, 25));
    EXPECT_EQ(form.Panel6->geometry(), QRect(3, 350, 995, 32)) << "the bottom of Panel1, inside its bevel";
    EXPECT_EQ(view().geometry(), QRect(35, 45, 960, 144));
    EXPECT_EQ(form.Image10->geometry(), QRect(35, 21, 960, 22));
    EXPECT_EQ(form.Image12->geometry(), QRect(8, 45, 25, 289));
    EXPECT_EQ(form.Shape1->geometry(), QRect(8, 21, 25, 22));
    EXPECT_EQ(form.ScrollBar1->geometry().topLeft(), QPoint(121, 26));
    EXPECT_EQ(form.ScrollBar1->width(), 329);
    EXPECT_EQ(form.ScrollBar4->geometry().topLeft(), QPoint(121, 98));
    EXPECT_EQ(form.ScrollBar6->geometry().topLeft(), QPoint(289, 98));
    EXPECT_EQ(form.ScrollBar6->width(), 161);
    EXPECT_EQ(form.ScrollBar7->geometry().topLeft(), QPoint(121, 123));
    EXPECT_EQ(form.ScrollBar5->geometry().topLeft(), QPoint(121, 146));
    EXPECT_EQ(form.Label8->pos(), QPoint(146, 100));
    EXPECT_EQ(form.Edit1->geometry(), QRect(104, 32, 313, 25));
    EXPECT_EQ(form.Edit1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(form.Button3->geometry(), QRect(75, 72, 75, 25));
    EXPECT_EQ(form.Button1->geometry(), QRect(238, 72, 75, 25));
    EXPECT_EQ(form.Button2->geometry(), QRect(157, 104, 75, 25));
    EXPECT_EQ(form.Button6->geometry(), QRect(238, 136, 75, 25));
    EXPECT_EQ(form.Button6->text(), "Exit");
    EXPECT_EQ(form.Image2->geometry(), QRect(328, 77, 89, 81));
    EXPECT_EQ(form.Panel5->Caption(),
              "Please consider a $5 donation if you enjoy this program. Donation link to the right.--------->");
}

TEST_F(MainWindowTest, TheMenuHoldsTheCommandsInOrder)
{
    const QList<QAction *> top = form.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), "File");
    EXPECT_EQ(top[1], form.Font1);
    EXPECT_EQ(top[1]->text(), "Font");
    EXPECT_EQ(top[2]->text(), "&Cut Lines");
    EXPECT_EQ(top[3], form.About2);
    EXPECT_EQ(top[3]->text(), "About");
    auto itemsOf = [](QMenu *menu) {
        QStringList items;
        for (QAction *item : menu->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return items;
    };
    EXPECT_EQ(itemsOf(top[0]->menu()),
              QStringList({"Open", "Save As", "-", "Export BMP", "Export PDF", "-", "Reset", "Print", "Exit"}));
    ASSERT_NE(top[2]->menu(), nullptr);
    EXPECT_EQ(itemsOf(top[2]->menu()),
              QStringList({"&Show Cut Lines", "Stencil &Bridges", "Show &Fragile Spots", "Show &Drill Holes",
                           "Shade &Waste", "Bridge &Width...", "&Least Width of Wood...", "Blade &Kerf...",
                           "D&rill Size...", "Co&nnect Letters", "-", "Export Cut Lines &PDF", "Export S&VG",
                           "Export &DXF", "P&rint Cut Lines"}));
    EXPECT_EQ(top[2]->menu()->actions().value(0), form.ShowCutLines1);
    EXPECT_TRUE(form.ShowCutLines1->isCheckable());
    EXPECT_FALSE(form.ShowCutLines1->isChecked());
}

TEST_F(MainWindowTest, TheWindowIsFixedInSizeWithoutMaximise)
{
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.font().pixelSize(), 11);
}

// --- Bars -----------------------------------------------------------------

TEST_F(MainWindowTest, BlankSizeBarsShowInchesAndResizeThePreview)
{
    const std::pair<int, const char *> widths[] = {{108, "1.12"}, {132, "1.38"}, {100, "1.04"}, {960, "10.00"}};
    for (const auto &[pixels, inches] : widths) {
        form.ScrollBar2->setPosition(pixels);
        EXPECT_EQ(view().Width(), pixels);
        EXPECT_EQ(form.Label7->text(), inches);
    }
    const std::pair<int, const char *> heights[] = {{47, "0.49"}, {289, "3.01"}, {144, "1.50"}};
    for (const auto &[pixels, inches] : heights) {
        form.ScrollBar3->setPosition(pixels);
        EXPECT_EQ(view().Height(), pixels);
        EXPECT_EQ(form.Label9->text(), inches);
    }
}

TEST_F(MainWindowTest, TextBarsSetTheCaptionEffectsAndTheirLabels)
{
    form.ScrollBar7->setPosition(-5);
    EXPECT_EQ(form.Label12->text(), "Kern: -5");
    EXPECT_EQ(effects().Tracing(), -5);

    form.ScrollBar4->setPosition(250);
    EXPECT_EQ(form.Label14->text(), "VPos: 250");
    EXPECT_EQ(effects().PosY(), 250);

    form.ScrollBar6->setPosition(480);
    EXPECT_EQ(form.Label15->text(), "HPos: 480");
    EXPECT_EQ(effects().PosX(), 480);

    form.ScrollBar5->setPosition(40);
    EXPECT_EQ(form.Label16->text(), "Corners: 40");
    EXPECT_EQ(view().RoundPercent(), 40);

    form.ScrollBar1->setPosition(120);
    EXPECT_EQ(form.Label13->text(), "Font Size: 120");
    EXPECT_EQ(font().Height(), -160);
}

TEST_F(MainWindowTest, AssigningTheHeldValueRunsNoHandlerAndBarsClampFirst)
{
    form.Label7->setText("untouched");
    form.ScrollBar2->setPosition(960);
    form.ScrollBar2->setPosition(5000); // clamps to 960, which it holds
    EXPECT_EQ(form.Label7->text(), "untouched");

    form.ScrollBar1->setPosition(5);
    EXPECT_EQ(form.ScrollBar1->Position(), 10);
    EXPECT_EQ(form.Label13->text(), "Font Size: 10");
    form.Label13->setText("untouched");
    form.ScrollBar1->setPosition(-3);
    EXPECT_EQ(form.Label13->text(), "untouched");

    view().Bevel()->setWidth(3);
    form.CheckBox4->setChecked(true);
    EXPECT_EQ(view().Bevel()->Width(), 3);

    caption().setCaption("elsewhere");
    form.Edit1->setText("Scroll Saw");
    EXPECT_EQ(caption().Caption(), "elsewhere");
}

// --- Switches ---------------------------------------------------------------

TEST_F(MainWindowTest, BaseOnSquaresCornersDropsTheOutlineAndGreysMultiline)
{
    form.CheckBox1->setChecked(true);
    form.ScrollBar5->setPosition(40);
    ASSERT_TRUE(form.CheckBox2->isChecked());

    form.CheckBox3->setChecked(true);
    EXPECT_EQ(form.ScrollBar5->Position(), 0);
    EXPECT_EQ(form.Label16->text(), "Corners: 0");
    EXPECT_EQ(view().RoundPercent(), 0);
    EXPECT_FALSE(form.CheckBox2->isChecked());
    EXPECT_EQ(effects().Style(), tdNone);
    EXPECT_FALSE(form.CheckBox1->isEnabled());
    EXPECT_TRUE(form.CheckBox1->isChecked());
    EXPECT_FALSE(form.Shape2->isHidden());
    // 35 px above the blank's bottom edge (the blank's top is at 45).
    EXPECT_EQ(form.Shape2->geometry(), QRect(48, 45 + 144 - 35, 930, 30));

    form.CheckBox3->setChecked(false);
    EXPECT_TRUE(form.Shape2->isHidden());
    EXPECT_TRUE(form.CheckBox1->isEnabled());
    EXPECT_EQ(form.ScrollBar5->Position(), 0);
    EXPECT_FALSE(form.CheckBox2->isChecked());
    EXPECT_EQ(effects().Style(), tdNone);
}

TEST_F(MainWindowTest, TheBaseBarShapeFollowsTheBlankSize)
{
    form.ScrollBar2->setPosition(500); // moves also while hidden
    EXPECT_EQ(form.Shape2->width(), 470);
    form.CheckBox3->setChecked(true);
    form.ScrollBar3->setPosition(200);
    EXPECT_EQ(form.Shape2->geometry(), QRect(48, 210, 470, 30));
}

TEST_F(MainWindowTest, MultilineHidesThePositionBarsAndKeepsTheirValues)
{
    form.ScrollBar4->setPosition(30);
    form.ScrollBar6->setPosition(40);

    form.CheckBox1->setChecked(true);
    EXPECT_TRUE(caption().MultiLine());
    EXPECT_EQ(caption().Alignment(), agCenter);
    EXPECT_TRUE(form.ScrollBar4->isHidden());
    EXPECT_TRUE(form.ScrollBar6->isHidden());
    EXPECT_FALSE(form.Label8->isHidden());

    // Drawing centred multi-line text puts the offsets back to 0.
    QImage canvas(view().size(), QImage::Format_RGB32);
    QPainter painter(&canvas);
    view().RenderTo(painter);
    painter.end();

    form.CheckBox1->setChecked(false);
    EXPECT_FALSE(caption().MultiLine());
    EXPECT_EQ(caption().Alignment(), agTopLeft);
    EXPECT_FALSE(form.ScrollBar4->isHidden());
    EXPECT_FALSE(form.ScrollBar6->isHidden());
    EXPECT_TRUE(form.Label8->isHidden());
    EXPECT_EQ(form.ScrollBar4->Position(), 30);
    EXPECT_EQ(form.Label15->text(), "HPos: 40");
    EXPECT_EQ(effects().PosX(), 0);
    EXPECT_EQ(effects().PosY(), 0);

    form.ScrollBar6->setPosition(41);
    EXPECT_EQ(effects().PosX(), 41);
    EXPECT_EQ(effects().PosY(), 0);
}

TEST_F(MainWindowTest, TextOutlineAndPageOutlineSwitchTheirProperties)
{
    form.ScrollBar2->setFocus();
    form.CheckBox2->setChecked(false);
    EXPECT_EQ(effects().Style(), tdNone);
    EXPECT_EQ(form.focusWidget(), form.ScrollBar2);
    form.CheckBox2->setChecked(true);
    EXPECT_EQ(effects().Style(), tdOutline);
    EXPECT_EQ(form.focusWidget(), form.Edit1);

    form.CheckBox4->setChecked(false);
    EXPECT_EQ(view().Bevel()->Width(), 0);
    form.CheckBox4->setChecked(true);
    EXPECT_EQ(view().Bevel()->Width(), 1);
}

TEST_F(MainWindowTest, EveryTextChangeGoesIntoTheCaption)
{
    form.Edit1->setText("Oak & Pine");
    EXPECT_EQ(caption().Caption(), "Oak & Pine");
    form.Edit1->clear();
    EXPECT_EQ(caption().Caption(), "");
}

TEST_F(MainWindowTest, APastedLineBreakIsDrawnAsTheBlankTheFileKeeps)
{
    form.CheckBox1->setChecked(true); // word breaking would split at a line end
    form.Edit1->setText("Oak Pine");
    const QImage typed = view().grab().toImage();
    form.Edit1->clear();
    QGuiApplication::clipboard()->setText("Oak\nPine");
    form.Edit1->paste();
    ASSERT_EQ(form.Edit1->text(), "Oak\nPine");
    EXPECT_EQ(view().grab().toImage(), typed);
}

// --- Font command -------------------------------------------------------

TEST_F(MainWindowTest, TheFontDialogChoiceKeepsTheFontSizeBar)
{
    QString openedOn;
    int openedHeight = 0;
    host.QueueFontAnswer([&](TFont &chosen) {
        openedOn = chosen.Name();
        openedHeight = chosen.Height();
        chosen.setName("Arial");
        chosen.setStyle(fsItalic);
        chosen.setSize(24);
        chosen.setColor(clRed);
        chosen.setCharset(ANSI_CHARSET);
        return true;
    });
    form.Button5->click();
    EXPECT_EQ(openedOn, "MS Sans Serif");
    EXPECT_EQ(openedHeight, -11);
    EXPECT_EQ(font().Name(), "Arial");
    EXPECT_EQ(font().Style(), TFontStyles(fsItalic));
    EXPECT_EQ(font().Size(), 80);
    EXPECT_EQ(font().Height(), -107);
    EXPECT_EQ(font().Color(), clRed);
    EXPECT_EQ(form.ScrollBar1->Position(), 80);

    // The dialog remembers its own choice, not the pattern's size.
    host.QueueFontAnswer([&](TFont &chosen) {
        openedOn = chosen.Name();
        openedHeight = chosen.Height();
        return false;
    });
    form.Font1->trigger();
    EXPECT_EQ(openedOn, "Arial");
    EXPECT_EQ(openedHeight, -32);
    EXPECT_EQ(host.FontDialogCount, 2);
    EXPECT_EQ(font().Name(), "Arial");
    EXPECT_EQ(font().Height(), -107);
}

TEST_F(MainWindowTest, ACancelledFontDialogChangesNothing)
{
    host.QueueFontAnswer([](TFont &chosen) {
        chosen.setName("Arial");
        return false;
    });
    form.Button5->click();
    EXPECT_EQ(font().Name(), "Fretcard Gothic");
    EXPECT_EQ(font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(form.FontDialog1.Font().Name(), "MS Sans Serif");
}

TEST_F(MainWindowTest, AFailingCommandShowsTheErrorBoxAndTheWindowCarriesOn)
{
    host.QueueFontAnswer([](TFont &) -> bool { throw EFretcardError("The font dialog failed"); });
    host.QueueMessageAnswer(mrOk);
    form.Button5->click();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, kTitle);
    EXPECT_EQ(host.Messages[0].Text, "The font dialog failed.");
    EXPECT_EQ(host.Messages[0].Type, TMsgDlgType::mtError);

    form.ScrollBar7->setPosition(3);
    EXPECT_EQ(form.Label12->text(), "Kern: 3");
}

// --- Reset ------------------------------------------------------------------

TEST_F(MainWindowTest, ResetAnsweredYesRestoresEverySetting)
{
    host.QueueFontAnswer([](TFont &chosen) {
        chosen.setName("Arial");
        chosen.setStyle(fsItalic | fsUnderline);
        chosen.setColor(clRed);
        return true;
    });
    form.Button5->click();
    form.ScrollBar1->setPosition(150);
    form.ScrollBar2->setPosition(400);
    form.ScrollBar3->setPosition(100);
    form.ScrollBar4->setPosition(7);
    form.ScrollBar6->setPosition(9);
    form.ScrollBar7->setPosition(-20);
    form.CheckBox1->setChecked(true);
    form.CheckBox4->setChecked(false);
    form.CheckBox3->setChecked(true); // also Corners 0 and outline off
    form.ScrollBar5->setPosition(60);
    form.Edit1->setText("Maple");
    form.ScrollBar3->setFocus();

    host.QueueMessageAnswer(mrYes);
    form.Button4->click();

    ASSERT_EQ(host.Messages.size(), 1u);
    const TMessageRequest &asked = host.Messages[0];
    EXPECT_EQ(asked.Caption, "Pattern Reset");
    EXPECT_EQ(asked.Text, "Are you sure you want to reset the pattern?");
    EXPECT_EQ(asked.Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(asked.Buttons, TMsgDlgButtons(mbYes | mbNo));

    EXPECT_EQ(form.ScrollBar1->Position(), 80);
    EXPECT_EQ(form.ScrollBar2->Position(), 960);
    EXPECT_EQ(form.ScrollBar3->Position(), 144);
    EXPECT_EQ(form.ScrollBar4->Position(), 0);
    EXPECT_EQ(form.ScrollBar5->Position(), 0);
    EXPECT_EQ(form.ScrollBar6->Position(), 0);
    EXPECT_EQ(form.ScrollBar7->Position(), 0);
    EXPECT_FALSE(form.CheckBox1->isChecked());
    EXPECT_TRUE(form.CheckBox1->isEnabled());
    EXPECT_TRUE(form.CheckBox2->isChecked());
    EXPECT_FALSE(form.CheckBox3->isChecked());
    EXPECT_TRUE(form.CheckBox4->isChecked());
    EXPECT_EQ(form.Edit1->text(), "Scroll Saw");
    EXPECT_EQ(form.focusWidget(), form.Edit1);

    EXPECT_EQ(font().Name(), "Fretcard Gothic");
    EXPECT_EQ(font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(font().Height(), -107);
    EXPECT_EQ(font().Color(), clWindowText);
    EXPECT_EQ(font().Charset(), ANSI_CHARSET);
    EXPECT_EQ(view().Width(), 960);
    EXPECT_EQ(view().Height(), 144);
    EXPECT_EQ(view().RoundPercent(), 0);
    EXPECT_EQ(view().Bevel()->Width(), 1);
    EXPECT_EQ(effects().Style(), tdOutline);
    EXPECT_EQ(effects().Tracing(), 0);
    EXPECT_FALSE(caption().MultiLine());
    EXPECT_EQ(caption().Alignment(), agTopLeft);
    EXPECT_EQ(caption().Caption(), "Scroll Saw");
    EXPECT_TRUE(form.Shape2->isHidden());
    EXPECT_EQ(form.Label7->text(), "10.00");
    EXPECT_EQ(form.Label12->text(), "Kern: 0");
    // The font dialog keeps its own choice.
    EXPECT_EQ(form.FontDialog1.Font().Name(), "Arial");
}

TEST_F(MainWindowTest, ResetAnsweredNoOrClosedChangesNothing)
{
    form.ScrollBar7->setPosition(12);
    form.Edit1->setText("Walnut");
    host.QueueMessageAnswer(mrNo);
    host.QueueMessageAnswer(mrNone);
    form.Button4->click();
    form.Reset1->trigger();
    EXPECT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(form.ScrollBar7->Position(), 12);
    EXPECT_EQ(form.Edit1->text(), "Walnut");
    EXPECT_EQ(caption().Caption(), "Walnut");
}

// --- Window surface -----------------------------------------------------

TEST_F(MainWindowTest, RepaintingTheWindowSurfaceFocusesAndSelectsTheText)
{
    form.ScrollBar2->setFocus();
    form.Edit1->deselect();
    form.centralWidget()->grab();
    EXPECT_EQ(form.focusWidget(), form.Edit1);
    EXPECT_EQ(form.Edit1->selectedText(), "Scroll Saw");
}

TEST_F(MainWindowTest, MovingABarLeavesTheWindowSurfaceAlone)
{
    int surfacePaints = 0;
    QObject::connect(&form, &TForm1::SurfacePainted, [&] { ++surfacePaints; });
    form.show();
    QCoreApplication::processEvents();
    ASSERT_GT(surfacePaints, 0);
    const int afterShow = surfacePaints;
    form.ScrollBar2->setFocus();
    form.ScrollBar7->setPosition(10);
    form.ScrollBar2->setPosition(500);
    form.ScrollBar1->setPosition(100);
    form.CheckBox3->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(surfacePaints, afterShow);
    EXPECT_EQ(form.focusWidget(), form.ScrollBar2);
}

TEST_F(MainWindowTest, TheSurfaceIsGreyAndTheBaseBarIsDrawnOverTheBlank)
{
    form.CheckBox3->setChecked(true);
    const QImage shot = form.centralWidget()->grab().toImage();
    EXPECT_EQ(shot.pixel(1, 1), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(1006, 620), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(4 + 10, 8 + 10), qRgb(0, 128, 128)) << "preview panel";
    EXPECT_EQ(shot.pixel(8 + 3, 400 + 3), qRgb(192, 192, 192)) << "settings panel";
    // Blank: outline on its edge, white inside, base bar over its lower part.
    EXPECT_EQ(shot.pixel(4 + 35 + 959, 8 + 45 + 143), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(4 + 35 + 955, 8 + 45 + 100), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(4 + 48 + 465, 8 + 154 + 15), qRgb(0, 0, 0));
}

TEST_F(MainWindowTest, ExitClosesTheWindowWithoutAQuestion)
{
    form.show();
    form.Button6->click();
    EXPECT_FALSE(form.isVisible());
    form.show();
    form.Exit1->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(host.Messages.empty());
}
} // namespace
