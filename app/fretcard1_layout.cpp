// Building the main window: every control at its place, holding the values
// the pattern starts from.

#include "app/fretcard1.h"

#include "app/formsurface.h"
#include "core/pattern.h"
#include "render/colors.h"
#include "render/patternview.h"
#include "render/shapecontrol.h"
#include "ui/ornaments.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/rulers.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {
constexpr QSize kClientSize(1008, 623);
constexpr int kWindowFontHeight = 11;

constexpr QRect kPanel1(4, 8, 1001, 385);
constexpr int kPanel1BevelWidth = 3;
constexpr QPoint kPatternView(35, 45);
constexpr QRect kHorizontalRuler(35, 21, 960, 22);
constexpr QRect kVerticalRuler(8, 45, 25, 289);
constexpr QRect kRulerCorner(8, 21, 25, 22);
constexpr int kStatusStripHeight = 32;

constexpr QRect kPanel2(8, 400, 521, 185);
constexpr int kRowCaptionX = 57;
constexpr int kBarX = 121;
constexpr int kBarWidth = 329;
constexpr int kHalfBarWidth = 161;
constexpr int kSecondHalfBarX = 289;
constexpr int kBarHeight = 17;
constexpr int kHotKeyLetterX = 455;
constexpr QPoint kMultilineWarning(146, 100);
constexpr QRect kEtchedFrame(8, 8, 505, 169);
constexpr int kOrnamentSize = 28;
constexpr int kOrnamentInset = 14;

constexpr QRect kPanel3(536, 400, 465, 185);
constexpr QRect kEdit1(104, 32, 313, 25);
constexpr QPoint kTextInputCaption(104, 14);
constexpr QRect kControlPanelCaption(20, 60, 28, 110);
constexpr QSize kButtonSize(75, 25);
constexpr int kButtonColumns[] = {75, 157, 238};
constexpr int kButtonRows[] = {72, 104, 136};
constexpr QRect kDonationPicture(328, 77, 89, 81);

constexpr QRect kPanel5(8, 592, 673, 25);
constexpr QRect kLinkPanel1(688, 592, 153, 25);
constexpr QRect kLinkPanel2(848, 592, 153, 25);

const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kTeal(0, 128, 128);
const QColor kButtonFace(240, 240, 240);
const QColor kWarningColor(255, 0, 0);


QLabel *MakeLabel(const QString &text, QWidget *parent, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

// The classic light colours, whatever the desktop's theme: the captions sit
// on panels of fixed colours and must stay readable on them.
QPalette ClassicPalette(QPalette palette)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    palette.setColor(QPalette::Window, kButtonFace);
    palette.setColor(QPalette::WindowText, black);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::Text, black);
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::ToolTipBase, white);
    palette.setColor(QPalette::ToolTipText, black);
    // A disabled control's text is the fixed "grey text" colour, so that a
    // control that cannot be used looks it.
    const QColor greyText = ColorToQColor(clGrayText);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyText);
    return palette;
}

} // namespace

const char *const kApplicationTitle = "Kerfhaven Fretcard Printer";

QIcon ProgramIcon()
{
    // The resources of a static library are registered by hand.
    Q_INIT_RESOURCE(icons);
    return QIcon(QStringLiteral(":/fretcard/icons/fretcard.svg"));
}

void TForm1::BuildWindow()
{
    setWindowTitle(QStringLiteral("Kerfhaven Fretcard Printer V1.7"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(kWindowFontHeight);
    setFont(windowFont);
    setPalette(ClassicPalette(palette()));

    auto *surface = new TFormSurface(kGray, this);
    surface->setFixedSize(kClientSize);
    surface->OnPainted = [this] { OnSurfacePainted(); };
    setCentralWidget(surface);

    BuildPreviewPanel();
    BuildStatusStrip();
    BuildSettingsPanel();
    BuildCommandPanel();
    BuildBottomStrip();
    BuildMenu();
    ShowStatus(Pattern());

    adjustSize();
    setFixedSize(size());
}

void TForm1::BuildPreviewPanel()
{
    Panel1 = new TPanel(centralWidget());
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(kPanel1);
    Panel1->setColor(kTeal);
    Panel1->setBevelWidth(kPanel1BevelWidth);

    Image10 = new TRulerPicture(TRulerOrientation::Horizontal, kHorizontalRuler.size(), Panel1);
    Image10->move(kHorizontalRuler.topLeft());
    Image12 = new TRulerPicture(TRulerOrientation::Vertical, kVerticalRuler.size(), Panel1);
    Image12->move(kVerticalRuler.topLeft());
    Shape1 = new TShape(Panel1);
    Shape1->setGeometry(kRulerCorner);

    ShapeControl1 = new TShapeControl(Panel1);
    ShapeControl1->setObjectName("ShapeControl1");
    ShapeControl1->move(kPatternView);
    PreparePatternView(*ShapeControl1);
    ShapeControl1->setToolTip(
        QStringLiteral("This is the pattern display port. What you see here is what will print."));

    Shape2 = new TShape(Panel1);
    Shape2->setBrushColor(Qt::black);
    Shape2->setPenColor(Qt::black);
    Shape2->hide();
    MoveBaseBarShape();

    Image11 = new TImage(Panel1);
    Image11->setAutoSize(true);
    Image11->hide();
}

void TForm1::BuildStatusStrip()
{
    Panel6 = new TPanel(Panel1);
    Panel6->setObjectName("Panel6");
    const int inset = Panel1->BevelWidth();
    Panel6->setGeometry(inset, kPanel1.height() - inset - kStatusStripHeight, kPanel1.width() - 2 * inset,
                        kStatusStripHeight);
    Panel6->setColor(kButtonFace);
    Panel6->setBevelOuter(TBevelCut::Lowered);

    // Small sunken boxes, left to right, each wide enough for its longest text.
    int x = 6;
    const int boxTop = 6;
    const int boxHeight = kStatusStripHeight - 2 * boxTop;
    auto box = [&](const QString &text, int width) {
        auto *label = new QLabel(text, Panel6);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(x, boxTop, width, boxHeight);
        x += width + 4;
        return label;
    };
    // The texts come from the pattern (ShowStatus).
    Label13 = box(QString(), 80);
    box(QStringLiteral("Blank"), 40);
    Label7 = box(QString(), 40);
    box(QStringLiteral("X"), 16);
    Label9 = box(QString(), 40);
    Label14 = box(QString(), 60);
    Label15 = box(QString(), 60);
    Label12 = box(QString(), 60);
    Label16 = box(QString(), 72);

    x += 6;
    auto check = [&](const QString &text, bool checked, int width) {
        auto *checkBox = new QCheckBox(text, Panel6);
        checkBox->setChecked(checked);
        checkBox->setGeometry(x, boxTop, width, boxHeight);
        x += width + 4;
        return checkBox;
    };
    const PatternSettings initial;
    CheckBox1 = check(QStringLiteral("Multiline"), initial.Multiline, 76);
    CheckBox2 = check(QStringLiteral("Text Outline ON/OFF"), initial.TextOutline, 130);
    CheckBox4 = check(QStringLiteral("Page Outline ON/OFF"), initial.PageOutline, 134);
    CheckBox3 = check(QStringLiteral("Base ON/OFF"), initial.Base, 100);
}

void TForm1::BuildSettingsPanel()
{
    Panel2 = new TPanel(centralWidget());
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(kPanel2);
    Panel2->setColor(kSilver);

    auto *frame = new TEtchedFrame(Panel2);
    frame->setGeometry(kEtchedFrame);
    const int right = kEtchedFrame.right() - kOrnamentInset - kOrnamentSize + 1;
    const int bottom = kEtchedFrame.bottom() - kOrnamentInset - kOrnamentSize + 1;
    const std::pair<Qt::Corner, QPoint> corners[] = {
        {Qt::TopLeftCorner, {kEtchedFrame.left() + kOrnamentInset, kEtchedFrame.top() + kOrnamentInset}},
        {Qt::TopRightCorner, {right, kEtchedFrame.top() + kOrnamentInset}},
        {Qt::BottomLeftCorner, {kEtchedFrame.left() + kOrnamentInset, bottom}},
        {Qt::BottomRightCorner, {right, bottom}},
    };
    for (const auto &[corner, at] : corners) {
        auto *ornament = new TImage(Panel2);
        ornament->setAutoSize(true);
        ornament->setPicture(DrawCornerOrnament(kOrnamentSize, corner));
        ornament->move(at);
    }

    struct Row {
        const char *caption;
        const char *letter;
        int y;
    };
    const Row rows[] = {{"Font Size", "F", 26}, {"Blank Width", "W", 50}, {"Blank Heigth", "H", 74},
                        {"Text Position", "T/P", 98}, {"Kerning", "K", 123}, {"Corners", "C", 146}};
    constexpr int kCaptionDrop = 2;
    for (const Row &row : rows) {
        MakeLabel(QString::fromLatin1(row.caption), Panel2, {kRowCaptionX, row.y + kCaptionDrop});
        MakeLabel(QString::fromLatin1(row.letter), Panel2, {kHotKeyLetterX, row.y + kCaptionDrop});
    }

    auto bar = [&](PatternRange range, int position, const char *hint, QRect at) {
        auto *scrollBar = new TScrollBar(range.Min, range.Max, position, Panel2);
        scrollBar->setGeometry(at);
        scrollBar->setToolTip(QString::fromLatin1(hint));
        return scrollBar;
    };
    const PatternSettings initial;
    ScrollBar1 = bar(PatternRanges::FontSize, initial.FontSize, "Change font size", {kBarX, 26, kBarWidth, kBarHeight});
    ScrollBar2 = bar(PatternRanges::BlankWidth, initial.BlankWidth, "Change the size of the blank", {kBarX, 50, kBarWidth, kBarHeight});
    ScrollBar3 = bar(PatternRanges::BlankHeight, initial.BlankHeight, "Change the size of the blank", {kBarX, 74, kBarWidth, kBarHeight});
    ScrollBar4 = bar(PatternRanges::VPos, initial.VPos, "Position the text vertical", {kBarX, 98, kHalfBarWidth, kBarHeight});
    ScrollBar5 = bar(PatternRanges::Corners, initial.Corners, "Set the corner roundness", {kBarX, 146, kBarWidth, kBarHeight});
    ScrollBar6 = bar(PatternRanges::HPos, initial.HPos, "Position the text horizontal", {kSecondHalfBarX, 98, kHalfBarWidth, kBarHeight});
    ScrollBar7 = bar(PatternRanges::Kern, initial.Kern, "Change the letter spacing", {kBarX, 123, kBarWidth, kBarHeight});
    QWidget::setTabOrder(ScrollBar1, ScrollBar2);
    QWidget::setTabOrder(ScrollBar2, ScrollBar3);
    QWidget::setTabOrder(ScrollBar3, ScrollBar4);
    QWidget::setTabOrder(ScrollBar4, ScrollBar5);
    QWidget::setTabOrder(ScrollBar5, ScrollBar6);
    QWidget::setTabOrder(ScrollBar6, ScrollBar7);

    Label8 = MakeLabel(QStringLiteral("Text positioning not available with Multiline text selected"), Panel2,
                       kMultilineWarning);
    QPalette warning = Label8->palette();
    warning.setColor(QPalette::WindowText, kWarningColor);
    Label8->setPalette(warning);
    Label8->hide();
}

void TForm1::BuildCommandPanel()
{
    Panel3 = new TPanel(centralWidget());
    Panel3->setObjectName("Panel3");
    Panel3->setGeometry(kPanel3);
    Panel3->setColor(kSilver);

    MakeLabel(QStringLiteral("Text Input"), Panel3, kTextInputCaption);
    Edit1 = new QLineEdit(PatternSettings().Text, Panel3);
    Edit1->setGeometry(kEdit1);
    Edit1->setAlignment(Qt::AlignCenter);

    auto *controlPanel = new TRotatedLabel(QStringLiteral("Control Panel"), Panel3);
    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setPixelSize(14);
    controlPanel->setFont(captionFont);
    controlPanel->setGeometry(kControlPanelCaption);

    auto button = [&](const QString &caption, int column, int row) {
        auto *pushButton = new QPushButton(caption, Panel3);
        pushButton->setGeometry(QRect(QPoint(kButtonColumns[column], kButtonRows[row]), kButtonSize));
        return pushButton;
    };
    Button3 = button(QStringLiteral("Open"), 0, 0);
    Button9 = button(QStringLiteral("Save As"), 1, 0);
    Button1 = button(QStringLiteral("Print"), 2, 0);
    Button5 = button(QStringLiteral("Font"), 0, 1);
    Button2 = button(QStringLiteral("Export BMP"), 1, 1);
    Button8 = button(QStringLiteral("Export PDF"), 2, 1);
    Button7 = button(QStringLiteral("Font Viewer"), 0, 2);
    Button4 = button(QStringLiteral("Reset"), 1, 2);
    Button6 = button(QStringLiteral("Exit"), 2, 2);

    Image2 = new TImage(Panel3);
    Image2->setGeometry(kDonationPicture);
    Image2->setStretch(true);
    Image2->setBevelInner(TBevelCut::Raised);
    Image2->setPicture(DrawDonationPicture(kDonationPicture.size()));
    Image2->setCursor(Qt::PointingHandCursor);
}

void TForm1::BuildBottomStrip()
{
    Panel5 = new TPanel(centralWidget());
    Panel5->setObjectName("Panel5");
    Panel5->setGeometry(kPanel5);
    Panel5->setColor(kButtonFace);
    Panel5->setCaption(QStringLiteral(
        "Please consider a $5 donation if you enjoy this program. Donation link to the right.--------->"));
    LinkPanel1 = new TPanel(centralWidget());
    LinkPanel1->setGeometry(kLinkPanel1);
    LinkPanel1->setColor(kButtonFace);
    LinkPanel2 = new TPanel(centralWidget());
    LinkPanel2->setGeometry(kLinkPanel2);
    LinkPanel2->setColor(kButtonFace);
}

void TForm1::BuildMenu()
{
    QMenuBar *bar = menuBar();
    // The client area is measured below the menu, so the menu stays in the
    // window on every desktop.
    bar->setNativeMenuBar(false);
    QMenu *file = bar->addMenu(QStringLiteral("File"));
    Open1 = file->addAction(QStringLiteral("Open"));
    SaveAs1 = file->addAction(QStringLiteral("Save As"));
    file->addSeparator();
    SaveBMP1 = file->addAction(QStringLiteral("Export BMP"));
    SavePDF1 = file->addAction(QStringLiteral("Export PDF"));
    file->addSeparator();
    Reset1 = file->addAction(QStringLiteral("Reset"));
    Print1 = file->addAction(QStringLiteral("Print"));
    Exit1 = file->addAction(QStringLiteral("Exit"));
    Font1 = bar->addAction(QStringLiteral("Font"));
    BuildCutLinesMenu(*bar);
    About2 = bar->addAction(QStringLiteral("About"));
}

void TForm1::BuildCutLinesMenu(QMenuBar &bar)
{
    QMenu *cutLines = bar.addMenu(QStringLiteral("&Cut Lines"));
    // Whether the preview shows the cut lines is a way of looking at the
    // pattern, not part of it: it starts off and is never saved.
    ShowCutLines1 = cutLines->addAction(QStringLiteral("&Show Cut Lines"));
    ShowCutLines1->setCheckable(true);
    ShowCutLines1->setChecked(false);
    cutLines->addSeparator();
    ExportCutLinesPdf1 = cutLines->addAction(QStringLiteral("Export Cut Lines &PDF"));
    ExportSvg1 = cutLines->addAction(QStringLiteral("Export S&VG"));
    ExportDxf1 = cutLines->addAction(QStringLiteral("Export &DXF"));
    PrintCutLines1 = cutLines->addAction(QStringLiteral("P&rint Cut Lines"));
}
