// The settings handlers of the main window. Each puts its control's value
// into the preview and shows the controls' values in the status strip; a few
// set other controls, whose handlers then run at once (the controls fire
// only on a real change).

#include "app/fretcard1.h"

#include "app/cutlinesoverlay.h"
#include "core/units.h"
#include "patternfile/patternfile.h"
#include "render/patternview.h"
#include "render/shapecontrol.h"
#include "ui/messagebox.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/qtdialoghost.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace {
// The base bar shape sits 13 px inside the blank's left edge, 35 px above its
// bottom, 30 px high and 30 px narrower than the blank.
constexpr int kBaseBarLeft = 48;
constexpr int kBaseBarTopBelowBlankHeight = 10;
constexpr int kBaseBarWidthShortfall = 30;
constexpr int kBaseBarHeight = 30;

const QString kResetCaption = QStringLiteral("Pattern Reset");
const QString kResetQuestion = QStringLiteral("Are you sure you want to reset the pattern?");

// The status strip shows the blank's sides in inches, to the hundredth.
QString BlankSideText(int pixels) { return InchesText(pixels, 2, TDecimals::Fixed, QLocale()); }

std::unique_ptr<TDialogHost> OwnHostUnless(TDialogHost *host)
{
    return host ? nullptr : std::make_unique<TQtDialogHost>();
}
} // namespace

TForm1::TForm1(TDialogHost *host, QWidget *parent, const PrintEngineLoader *printEngine)
    : QMainWindow(parent),
      m_ownHost(OwnHostUnless(host)),
      m_host(host ? host : m_ownHost.get()),
      m_guard(*m_host, QString::fromLatin1(kApplicationTitle)),
      OpenDialog1(*m_host),
      SaveDialog1(*m_host),
      FontDialog1(*m_host)
{
    if (auto *qtHost = dynamic_cast<TQtDialogHost *>(m_ownHost.get()))
        qtHost->setOwner(this);
    CreatePrintEngine(printEngine);
    BuildWindow();
    ConnectHandlers();
    CreateExtras();
    CreateCutLines();
    CreateStencilChecks();
    CreateConnectLetters();
}

TForm1::~TForm1()
{
    // The controls outlive the guard and the dialogs by a moment while Qt
    // deletes them; no handler may run in that moment.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

void TForm1::ConnectHandlers()
{
    auto guarded = [this](void (TForm1::*handler)()) { return m_guard.Guarded([this, handler] { (this->*handler)(); }); };
    const std::pair<TScrollBar *, void (TForm1::*)()> bars[] = {
        {ScrollBar1, &TForm1::ScrollBar1Change}, {ScrollBar2, &TForm1::ScrollBar2Change},
        {ScrollBar3, &TForm1::ScrollBar3Change}, {ScrollBar4, &TForm1::ScrollBar4Change},
        {ScrollBar5, &TForm1::ScrollBar5Change}, {ScrollBar6, &TForm1::ScrollBar6Change},
        {ScrollBar7, &TForm1::ScrollBar7Change},
    };
    for (const auto &[bar, handler] : bars)
        connect(bar, &QScrollBar::valueChanged, this, guarded(handler));

    const std::pair<QCheckBox *, void (TForm1::*)()> checks[] = {
        {CheckBox1, &TForm1::CheckBox1Click}, {CheckBox2, &TForm1::CheckBox2Click},
        {CheckBox3, &TForm1::CheckBox3Click}, {CheckBox4, &TForm1::CheckBox4Click},
    };
    for (const auto &[check, handler] : checks)
        connect(check, &QCheckBox::toggled, this, guarded(handler));

    connect(Edit1, &QLineEdit::textChanged, this, guarded(&TForm1::Edit1Change));

    const std::pair<QPushButton *, void (TForm1::*)()> buttons[] = {
        {Button1, &TForm1::Button1Click}, {Button2, &TForm1::Button2Click}, {Button3, &TForm1::Button3Click},
        {Button4, &TForm1::Button4Click}, {Button5, &TForm1::Button5Click}, {Button6, &TForm1::Button6Click},
        {Button7, &TForm1::Button7Click}, {Button8, &TForm1::Button8Click}, {Button9, &TForm1::Button9Click},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, guarded(handler));

    const std::pair<QAction *, void (TForm1::*)()> items[] = {
        {Open1, &TForm1::Open1Click},     {SaveAs1, &TForm1::SaveAs1Click}, {SaveBMP1, &TForm1::SaveBMP1Click},
        {SavePDF1, &TForm1::SavePDF1Click}, {Reset1, &TForm1::Reset1Click},   {Print1, &TForm1::Print1Click},
        {Exit1, &TForm1::Exit1Click},     {Font1, &TForm1::Font1Click},     {About2, &TForm1::About2Click},
    };
    for (const auto &[item, handler] : items)
        connect(item, &QAction::triggered, this, guarded(handler));

    connect(Image2, &TImage::clicked, this, guarded(&TForm1::Image2Click));
}

// --- Bars, switches and text ----------------------------------------------

void TForm1::ScrollBar1Change()
{
    ShowControlValue(TShownValue::FontSize);
    // The new size shows at once, even while the bar is being dragged.
    PatternView()->repaint();
}

void TForm1::ScrollBar2Change()
{
    ShowControlValue(TShownValue::BlankWidth);
    MoveBaseBarShape();
}

void TForm1::ScrollBar3Change()
{
    ShowControlValue(TShownValue::BlankHeight);
    MoveBaseBarShape();
}

void TForm1::ScrollBar4Change() { ShowControlValue(TShownValue::VPos); }
void TForm1::ScrollBar5Change() { ShowControlValue(TShownValue::Corners); }
void TForm1::ScrollBar6Change() { ShowControlValue(TShownValue::HPos); }
void TForm1::ScrollBar7Change() { ShowControlValue(TShownValue::Kern); }

void TForm1::MoveBaseBarShape()
{
    Shape2->setGeometry(kBaseBarLeft, PatternView()->Height() + kBaseBarTopBelowBlankHeight,
                        PatternView()->Width() - kBaseBarWidthShortfall, kBaseBarHeight);
}

void TForm1::CheckBox1Click()
{
    ShowControlValue(TShownValue::Multiline);
    // Multi-line text is centred and never offset, so the position bars have
    // nothing to do; the warning takes their place.
    const bool multiline = CheckBox1->isChecked();
    ScrollBar4->setVisible(!multiline);
    ScrollBar6->setVisible(!multiline);
    Label8->setVisible(multiline);
}

void TForm1::CheckBox2Click()
{
    ShowControlValue(TShownValue::TextOutline);
    if (CheckBox2->isChecked())
        Edit1->setFocus();
}

void TForm1::CheckBox3Click()
{
    PatternSettings pattern = Pattern();
    if (pattern.Base) {
        MoveBaseBarShape();
        Shape2->show();
        // The handler runs only on a real change: Base was off until now.
        pattern.Base = false;
        SwitchBase(pattern, true);
    } else {
        Shape2->hide();
    }
    ScrollBar5->setPosition(pattern.Corners);
    CheckBox1->setEnabled(MultilineSwitchable(pattern));
    CheckBox2->setChecked(pattern.TextOutline);
}

void TForm1::CheckBox4Click() { ShowControlValue(TShownValue::PageOutline); }
void TForm1::Edit1Change() { ShowControlValue(TShownValue::Text); }

void TForm1::ShowControlValue(TShownValue value)
{
    const PatternSettings pattern = Pattern();
    ShowValue(*PatternView(), pattern, value);
    ShowStatus(pattern);
}

void TForm1::ShowStatus(const PatternSettings &pattern)
{
    Label13->setText(QStringLiteral("Font Size: %1").arg(pattern.FontSize));
    Label7->setText(BlankSideText(pattern.BlankWidth));
    Label9->setText(BlankSideText(pattern.BlankHeight));
    Label14->setText(QStringLiteral("VPos: %1").arg(pattern.VPos));
    Label15->setText(QStringLiteral("HPos: %1").arg(pattern.HPos));
    Label12->setText(QStringLiteral("Kern: %1").arg(pattern.Kern));
    Label16->setText(QStringLiteral("Corners: %1").arg(pattern.Corners));
}

PatternSettings TForm1::Pattern() const
{
    PatternSettings pattern;
    pattern.FontSize = ScrollBar1->Position();
    pattern.BlankWidth = ScrollBar2->Position();
    pattern.BlankHeight = ScrollBar3->Position();
    pattern.VPos = ScrollBar4->Position();
    pattern.HPos = ScrollBar6->Position();
    pattern.Kern = ScrollBar7->Position();
    pattern.Corners = ScrollBar5->Position();
    pattern.Multiline = CheckBox1->isChecked();
    pattern.TextOutline = CheckBox2->isChecked();
    pattern.PageOutline = CheckBox4->isChecked();
    pattern.Base = CheckBox3->isChecked();
    pattern.FontName = PatternView()->Caption()->Font()->Name();
    // A pasted line break shows as a blank in the one-line box and is saved
    // as one, so the pattern has one too.
    pattern.Text = TextAsStored(Edit1->text());
    return pattern;
}

void TForm1::SetPattern(const PatternSettings &pattern)
{
    const std::pair<TScrollBar *, int> bars[] = {
        {ScrollBar1, pattern.FontSize}, {ScrollBar2, pattern.BlankWidth}, {ScrollBar3, pattern.BlankHeight},
        {ScrollBar4, pattern.VPos},     {ScrollBar6, pattern.HPos},       {ScrollBar7, pattern.Kern},
        {ScrollBar5, pattern.Corners},
    };
    for (const auto &[bar, position] : bars)
        bar->setPosition(position);
    const std::pair<QCheckBox *, bool> checks[] = {
        {CheckBox1, pattern.Multiline}, {CheckBox2, pattern.TextOutline},
        {CheckBox4, pattern.PageOutline}, {CheckBox3, pattern.Base},
    };
    for (const auto &[check, checked] : checks)
        check->setChecked(checked);
    PatternView()->Caption()->Font()->setName(pattern.FontName);
    Edit1->setText(pattern.Text);
}

// --- Commands --------------------------------------------------------------

void TForm1::Button5Click()
{
    if (!FontDialog1.Execute())
        return;
    TFont *font = PatternView()->Caption()->Font();
    font->Assign(FontDialog1.Font());
    // The size always comes from the Font Size bar, never from the dialog.
    font->setSize(ScrollBar1->Position());
}

void TForm1::Button4Click()
{
    if (!AskYesNo(*m_host, kResetCaption, kResetQuestion, TMsgDlgType::mtConfirmation))
        return;
    PatternView()->Caption()->setFont(PresetFont(clWindowText));

    const PatternSettings initial;
    ScrollBar1->setPosition(initial.FontSize);
    ScrollBar2->setPosition(initial.BlankWidth);
    ScrollBar3->setPosition(initial.BlankHeight);
    ScrollBar4->setPosition(initial.VPos);
    ScrollBar5->setPosition(initial.Corners);
    ScrollBar6->setPosition(initial.HPos);
    ScrollBar7->setPosition(initial.Kern);

    // Base first: switched off, it lets Multiline be switched again.
    CheckBox3->setChecked(initial.Base);
    CheckBox1->setChecked(initial.Multiline);
    CheckBox2->setChecked(initial.TextOutline);
    CheckBox4->setChecked(initial.PageOutline);

    Edit1->setText(initial.Text);
    Edit1->setFocus();
}

void TForm1::Button6Click()
{
    close();
}

void TForm1::FormPaint()
{
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm1::OnSurfacePainted()
{
    m_guard.Run([this] { FormPaint(); });
    emit SurfacePainted();
}

void TForm1::Font1Click() { Button5->click(); }
void TForm1::Reset1Click() { Button4->click(); }
void TForm1::Exit1Click() { close(); }
void TForm1::Print1Click() { Button1->click(); }
void TForm1::SaveBMP1Click() { Button2->click(); }
void TForm1::SavePDF1Click() { Button8->click(); }

namespace {
// Centred in the screen's free area, but a window bigger than that area hangs
// off its right and bottom, never its left and top: the title bar and the
// menu stay where the user can reach them.
QPoint CentredTopLeft(const QSize &frame, const QRect &available)
{
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame, available);
    return QPoint(qMax(centred.left(), available.left()), qMax(centred.top(), available.top()));
}
} // namespace

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Uncovered, the window is drawn again from its backing store without a
    // paint event; its expose event is what says the surface shows again.
    if (QWindow *window = windowHandle())
        window->installEventFilter(this);
    if (m_centred || !screen())
        return;
    m_centred = true;
    move(CentredTopLeft(frameGeometry().size(), screen()->availableGeometry()));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed())
        m_guard.Run([this] { FormPaint(); });
    return QMainWindow::eventFilter(watched, event);
}
