#include "printenginecomponent.h"

#include "enginemessage.h"

#include <QByteArray>
#include <QPaintEvent>
#include <QPainter>
#include <QtDebug>

using namespace EngineAbi;

TPrintEngine::TPrintEngine(const EngineTable &engine, QWidget *parent) : QWidget(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("PrintEngine1"));
    hide();
}

TPrintEngine::~TPrintEngine()
{
    // Close through the engine while the library is still loaded; the loader
    // releases it only after we are gone. In embedded mode the preview is our
    // child and would otherwise vanish with us while the engine still held
    // its document.
    if (m_doc != 0) {
        if (auto close = m_engine.function<CloseDocFn>(EngineAbi::CloseDoc))
            close(m_doc);
        m_doc = 0;
    }
}

void TPrintEngine::requireOpen() const
{
    if (m_doc == 0)
        throw EPrintEngineError(EPrintEngineError::DocumentNotOpen);
}

void TPrintEngine::setEngineInt(int ordinal, std::int32_t value) const
{
    if (auto set = m_engine.function<SetIntFn>(ordinal))
        set(m_doc, value);
}

void TPrintEngine::setEngineDouble(int ordinal, double value) const
{
    if (auto set = m_engine.function<SetDoubleFn>(ordinal))
        set(m_doc, value);
}

WindowHandle TPrintEngine::ownWindowHandle() { return static_cast<QWidget *>(this); }

std::int32_t TPrintEngine::OpenFlags() const
{
    std::int32_t flags = 0;
    auto addWhen = [&flags](bool condition, std::int32_t bit) {
        if (condition)
            flags |= bit;
    };
    addWhen(!m_externalWindow, OpenFlag::Embedded);
    addWhen(!m_rulers, OpenFlag::NoRulers);
    addWhen(!m_statusBar, OpenFlag::NoStatusBar);
    addWhen(!m_toolBar, OpenFlag::NoToolBar);
    addWhen(!m_tbAbout, OpenFlag::NoAboutButton);
    addWhen(!m_tbClose, OpenFlag::NoCloseButton);
    addWhen(m_tbGrid, OpenFlag::GridButton);
    addWhen(!m_tbHelp, OpenFlag::NoHelpButton);
    addWhen(!m_tbNavigate, OpenFlag::NoNavigateButtons);
    addWhen(!m_tbOpen, OpenFlag::NoOpenButton);
    addWhen(!m_tbSave, OpenFlag::NoSaveButton);
    addWhen(!m_tbPrint, OpenFlag::NoPrintButton);
    addWhen(!m_tbMail, OpenFlag::NoMailButton);
    addWhen(!m_tbScale, OpenFlag::NoScaleButton);
    addWhen(!m_pageScroller, OpenFlag::NoPageScroller);
    addWhen(!m_statusSegment, OpenFlag::NoStatusSegment);
    addWhen(m_docFileReadOnly, OpenFlag::DocFileReadOnly);
    return flags | OpenFlag::Always;
}

// The window's creation parameters: a border for bsSingle; embedded, the
// control is a tab stop (Qt widgets clip their children already).
void TPrintEngine::applyCreationParams()
{
    const int border = m_borderStyle == TBorderStyle::bsSingle ? 1 : 0;
    setContentsMargins(border, border, border, border);
    setFocusPolicy(m_externalWindow ? Qt::NoFocus : Qt::StrongFocus);
    update();
}

void TPrintEngine::OpenDoc()
{
    if (m_doc != 0)
        throw EPrintEngineError(EPrintEngineError::DocumentOpen);
    applyCreationParams();
    const std::int32_t flags = OpenFlags();
    if (!m_externalWindow)
        show();

    // Both texts stay alive in these arrays for the whole call.
    const QByteArray title = m_caption.toUtf8();
    const bool withSwapFile = !m_swapFileName.isEmpty();
    Doc handle = 0;
    if (withSwapFile) {
        const QByteArray swapFile = m_swapFileName.toUtf8();
        if (auto open = m_engine.function<OpenDocSwapFn>(EngineAbi::OpenDocSwap))
            handle = open(ownWindowHandle(), swapFile.constData(), title.constData(), flags);
    } else if (auto open = m_engine.function<OpenDocFn>(EngineAbi::OpenDoc)) {
        handle = open(ownWindowHandle(), title.constData(), flags);
    }
    m_doc = handle;
    if (handle == 0) {
        // Refused (or no engine at all): nothing raised here, the next
        // document operation reports the closed document.
        m_status = withSwapFile ? kStatusSwapOpenRefused : kStatusOpenRefused;
        return;
    }
    applyOpenSettings();
}

void TPrintEngine::applyOpenSettings()
{
    if (auto status = m_engine.function<GetIntFn>(EngineAbi::GetStatus))
        m_status = status(m_doc);
    if (m_pageOrientation == ORIENT_LANDSCAPE)
        setEngineInt(EngineAbi::SetPageOrientation, kLandscape);
    if (m_pageFormat == Paper::PAPER_USER_DEFINED) {
        setEngineDouble(EngineAbi::SetPageWidth, m_pageWidth);
        setEngineDouble(EngineAbi::SetPageHeight, m_pageHeight);
    } else {
        setEngineInt(EngineAbi::SetPageFormat, -static_cast<std::int32_t>(m_pageFormat));
    }
    if (!m_paperView)
        setEngineInt(EngineAbi::SetPaperView, 0);
    if (m_gridMode == TGridMode::InBackground)
        setEngineInt(EngineAbi::SetGridMode, 0);
    if (m_gridVisible)
        setEngineInt(EngineAbi::SetGridVisible, 1);
    if (m_enableHelpRouting)
        setEngineInt(EngineAbi::SetHelpRouting, 1);
    if (!m_enablePrintSetupDialog)
        setEngineInt(EngineAbi::SetPrintSetupDialog, 0);
    if (m_rulers)
        setEngineInt(EngineAbi::SetRulersMeasure, m_rulersMeasure == TRulersMeasure::inch ? 1 : 0);
    setEngineInt(EngineAbi::SetPageScrollerTracking, m_pageScrollerTracking ? 1 : 0);
    setEngineInt(EngineAbi::SetPreviewCtrl, m_previewCtrl == TPreviewCtrl::JumpTop ? 1 : 0);
}

bool TPrintEngine::CloseDoc()
{
    if (m_doc == 0)
        return true;
    if (auto status = m_engine.function<GetIntFn>(EngineAbi::GetStatus))
        m_status = status(m_doc);
    // An engine without a close function cannot keep a document from us:
    // treat it as closed rather than leave the component stuck open.
    std::int32_t result = 1;
    if (auto close = m_engine.function<CloseDocFn>(EngineAbi::CloseDoc))
        result = close(m_doc);
    const bool closed = (result & 0xFF) != 0;
    if (closed) {
        m_doc = 0;
        if (!m_externalWindow)
            hide();
    }
    return closed;
}

void TPrintEngine::SuppressOutline()
{
    requireOpen();
    if (auto suppress = m_engine.function<DocFn>(EngineAbi::SuppressOutline))
        suppress(m_doc);
}

double TPrintEngine::PlacePicture(const QString &fileName, double x1, double y1, double x2, double y2)
{
    requireOpen();
    const QByteArray name = fileName.toUtf8();
    if (auto place = m_engine.function<PlacePictureFn>(EngineAbi::PlacePicture))
        return place(m_doc, x1, y1, x2, y2, name.constData());
    return 0.0;
}

void TPrintEngine::SetPreviewPlacement(int left, int top, int width, int height, int mode)
{
    requireOpen();
    if (auto place = m_engine.function<SetPreviewPlacementFn>(EngineAbi::SetPreviewPlacement))
        place(m_doc, left, top, width, height, mode);
}

int TPrintEngine::ShowPreview()
{
    requireOpen();
    if (auto show = m_engine.function<GetIntFn>(EngineAbi::ShowPreview))
        return show(m_doc);
    return 0;
}

int TPrintEngine::WriteDocFile(const QString &fileName)
{
    requireOpen();
    const QByteArray name = fileName.toUtf8();
    if (auto write = m_engine.function<WriteFileFn>(EngineAbi::WriteFile))
        return write(m_doc, name.constData());
    return 0;
}

void TPrintEngine::SetPageFormat(TPaperFormat value) { m_pageFormat = value; }
void TPrintEngine::SetPageWidth(double value) { m_pageWidth = value; }
void TPrintEngine::SetPageHeight(double value) { m_pageHeight = value; }

bool TPrintEngine::event(QEvent *event)
{
    if (event->type() != EngineMessageEvent::kType)
        return QWidget::event(event);
    // The engine calls us from inside its own event handling: nothing may
    // propagate back into Qt from a handler.
    try {
        handleEngineMessage(*static_cast<EngineMessageEvent *>(event));
    } catch (const std::exception &error) {
        qCritical("Print engine notification handler failed: %s", error.what());
    }
    return true;
}

void TPrintEngine::handleEngineMessage(EngineMessageEvent &message)
{
    message.setResult(0);
    if (message.message() == EngineMessage::DestroyWindow)
        documentDestroyed();
}

void TPrintEngine::documentDestroyed()
{
    m_doc = 0;
    if (!m_externalWindow)
        hide();
    if (OnDestroyWindow)
        OnDestroyWindow(this);
}

void TPrintEngine::paintEvent(QPaintEvent *)
{
    if (m_borderStyle != TBorderStyle::bsSingle)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LoadPrintEngine1Layout(TPrintEngine &engine)
{
    engine.SetLoading(true);
    engine.SetCaption(QStringLiteral("Kerfhaven"));
    engine.SetExternalWindow(true);
    engine.SetBorderStyle(TBorderStyle::bsSingle);
    engine.SetPageOrientation(ORIENT_LANDSCAPE);
    engine.SetPageFormat(Paper::PAPER_LETTER);
    engine.SetPageWidth(21.59);
    engine.SetPageHeight(27.94);
    engine.SetRulers(true);
    engine.SetRulersMeasure(TRulersMeasure::inch);
    engine.SetGridMode(TGridMode::InForeground);
    engine.SetGridVisible(false);
    engine.SetEnableHelpRouting(false);
    engine.SetStatusBar(true);
    engine.SetToolBar(false);
    engine.SettbAbout(false);
    engine.SettbClose(true);
    engine.SettbGrid(false);
    engine.SettbHelp(false);
    engine.SettbNavigate(true);
    engine.SettbOpen(true);
    engine.SettbSave(true);
    engine.SettbPrint(true);
    engine.SettbMail(false);
    engine.SettbScale(true);
    engine.SetEnablePrintSetupDialog(true);
    engine.SetPaperView(true);
    engine.SetDocFileReadOnly(false);
    engine.SetPageScroller(true);
    engine.SetStatusSegment(true);
    engine.SetPageScrollerTracking(true);
    engine.SetPreviewCtrl(TPreviewCtrl::JumpTop);
    engine.hide();
    engine.SetLoading(false);
}
