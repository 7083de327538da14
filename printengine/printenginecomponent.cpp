#include "printenginecomponent.h"

#include "printengine/protocol/enginemessage.h"
#include "page/page.h"

#include <QApplication>
#include <QByteArray>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtDebug>

using namespace EngineAbi;

namespace {

bool IsArrowKey(const QEvent &event)
{
    const int key = static_cast<const QKeyEvent &>(event).key();
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

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
    enableSavedWindows();
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
    auto write = m_engine.function<WriteFileFn>(EngineAbi::WriteFile);
    if (!write)
        return 0;
    const int written = write(m_doc, name.constData());
    if (written != 0)
        return written;
    // Why a write failed (a full disk, ...) is only told by the status.
    if (auto status = m_engine.function<GetIntFn>(EngineAbi::GetStatus))
        m_status = status(m_doc);
    return written;
}

void TPrintEngine::refuseWhileOpen() const
{
    if (m_doc != 0)
        throw EPrintEngineError(EPrintEngineError::DocumentOpen);
}

void TPrintEngine::setFlagThroughEngine(bool &field, bool value, int ordinal)
{
    if (m_doc != 0)
        setEngineInt(ordinal, value ? 1 : 0);
    else
        field = value;
}

void TPrintEngine::SetExternalWindow(bool value) { setStoredOnly(m_externalWindow, value); }
void TPrintEngine::SetBorderStyle(TBorderStyle value) { setStoredOnly(m_borderStyle, value); }

TPageOrientation TPrintEngine::PageOrientation() const
{
    if (m_doc == 0)
        return m_pageOrientation;
    auto get = m_engine.function<GetIntFn>(GetPageOrientation);
    if (!get)
        return m_pageOrientation;
    return get(m_doc) == kPortrait ? ORIENT_PORTRAIT : ORIENT_LANDSCAPE;
}

void TPrintEngine::SetPageOrientation(TPageOrientation value)
{
    if (m_doc != 0)
        setEngineInt(EngineAbi::SetPageOrientation, value == ORIENT_LANDSCAPE ? kLandscape : kPortrait);
    else
        m_pageOrientation = value;
}

TPaperFormat TPrintEngine::PageFormat() const { return readStoredOnlyWhileClosed(m_pageFormat); }

// A named paper brings its size along; the lengths go through their own
// writes, and the format is stored last so that they cannot turn it into a
// user-defined one.
void TPrintEngine::SetPageFormat(TPaperFormat value)
{
    if (m_doc != 0) {
        setEngineInt(EngineAbi::SetPageFormat, -static_cast<std::int32_t>(value));
        return;
    }
    if (Paper::HasSize(value)) {
        const Paper::Size size = Paper::SizeOf(value);
        SetPageWidth(size.widthCm);
        SetPageHeight(size.heightCm);
    }
    m_pageFormat = value;
}

double TPrintEngine::PageWidth() const
{
    if (m_doc != 0)
        if (auto get = m_engine.function<GetDoubleFn>(GetPageWidth))
            return get(m_doc);
    return m_pageWidth;
}

double TPrintEngine::PageHeight() const
{
    if (m_doc != 0)
        if (auto get = m_engine.function<GetDoubleFn>(GetPageHeight))
            return get(m_doc);
    return m_pageHeight;
}

void TPrintEngine::SetPageWidth(double value)
{
    if (m_doc != 0) {
        setEngineDouble(EngineAbi::SetPageWidth, value);
        return;
    }
    m_pageWidth = value;
    if (!m_loading)
        m_pageFormat = Paper::PAPER_USER_DEFINED;
}

void TPrintEngine::SetPageHeight(double value)
{
    if (m_doc != 0) {
        setEngineDouble(EngineAbi::SetPageHeight, value);
        return;
    }
    m_pageHeight = value;
    if (!m_loading)
        m_pageFormat = Paper::PAPER_USER_DEFINED;
}

void TPrintEngine::SetRulersMeasure(TRulersMeasure value)
{
    m_rulersMeasure = value;
    if (m_doc != 0)
        setEngineInt(EngineAbi::SetRulersMeasure, value == TRulersMeasure::inch ? 1 : 0);
}

TGridMode TPrintEngine::GridMode() const { return readStoredOnlyWhileClosed(m_gridMode); }

void TPrintEngine::SetGridMode(TGridMode value)
{
    if (m_doc != 0)
        setEngineInt(EngineAbi::SetGridMode, value == TGridMode::InForeground ? 1 : 0);
    else
        m_gridMode = value;
}

void TPrintEngine::SetPageScrollerTracking(bool value)
{
    m_pageScrollerTracking = value;
    if (m_doc != 0)
        setEngineInt(EngineAbi::SetPageScrollerTracking, value ? 1 : 0);
}

void TPrintEngine::SetPreviewCtrl(TPreviewCtrl value)
{
    m_previewCtrl = value;
    if (m_doc != 0)
        setEngineInt(EngineAbi::SetPreviewCtrl, value == TPreviewCtrl::JumpTop ? 1 : 0);
}

bool TPrintEngine::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && embeddedWithDocument() && IsArrowKey(*event)) {
        event->accept(); // the embedded preview wants the arrow keys
        return true;
    }
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
    const int wParam = static_cast<int>(message.wParam());
    int result = 0;
    switch (message.message()) {
    case EngineMessage::DestroyWindow:
        documentDestroyed();
        break;
    case EngineMessage::RequestPrint:
        if (OnRequestPrint)
            OnRequestPrint(this, wParam, result);
        break;
    case EngineMessage::AutoPageBreak:
        if (OnAutoPageBreak)
            OnAutoPageBreak(this);
        break;
    case EngineMessage::PrintNewPage:
        result = answerAction(OnPrintNewPage, wParam);
        break;
    case EngineMessage::PrintDevData:
        result = answerAction(OnPrintDevData, wParam);
        break;
    case EngineMessage::Help:
        if (OnHelp)
            OnHelp(this);
        break;
    case EngineMessage::CloseWindow:
        if (OnCloseWindow)
            OnCloseWindow(this);
        break;
    case EngineMessage::BeforeMail:
        result = answerCancel(OnBeforeMail);
        if (result == 0)
            disableApplicationWindows();
        break;
    case EngineMessage::AfterMail:
        enableSavedWindows();
        if (OnAfterMail)
            OnAfterMail(this, wParam);
        break;
    case EngineMessage::RequestClose:
        if (OnRequestClose) {
            bool canClose = true;
            OnRequestClose(this, canClose);
            result = canClose ? 0 : 1;
        }
        break;
    case EngineMessage::BeforeOpenFile:
        result = answerCancel(OnBeforeOpenFile);
        break;
    case EngineMessage::AfterOpenFile:
        if (OnAfterOpenFile)
            OnAfterOpenFile(this, wParam);
        break;
    case EngineMessage::BeforeSaveFile:
        result = answerCancel(OnBeforeSaveFile);
        break;
    case EngineMessage::AfterSaveFile:
        if (OnAfterSaveFile)
            OnAfterSaveFile(this, wParam);
        break;
    default:
        break;
    }
    message.setResult(result);
}

int TPrintEngine::answerCancel(const TMSGBeforeMail &handler)
{
    if (!handler)
        return 0;
    bool cancel = false;
    handler(this, cancel);
    return cancel ? 1 : 0;
}

int TPrintEngine::answerAction(const TMSGPrintNewPage &handler, int wParam)
{
    int resultingAction = 0;
    if (handler)
        handler(this, wParam, resultingAction);
    return resultingAction;
}

// While the engine hands the document to the mail program, the program's
// windows take no input; the engine's "after mail" gives it back.
void TPrintEngine::disableApplicationWindows()
{
    enableSavedWindows();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            m_savedWindows.append(window);
        }
    }
}

void TPrintEngine::enableSavedWindows()
{
    for (const QPointer<QWidget> &window : std::as_const(m_savedWindows))
        if (window)
            window->setEnabled(true);
    m_savedWindows.clear();
}

void TPrintEngine::documentDestroyed()
{
    m_doc = 0;
    // Never leave the program's windows disabled by a mail action that will
    // not report back any more.
    enableSavedWindows();
    if (!m_externalWindow)
        hide();
    if (OnDestroyWindow)
        OnDestroyWindow(this);
}

QWidget *TPrintEngine::engineWindow(int ordinal) const
{
    if (m_doc == 0)
        return nullptr;
    auto get = m_engine.function<GetWindowFn>(ordinal);
    return get ? static_cast<QWidget *>(get(m_doc)) : nullptr;
}

void TPrintEngine::focusInEvent(QFocusEvent *event)
{
    if (m_doc != 0 && m_externalWindow) {
        if (QWidget *preview = engineWindow(GetPreviewWindow)) {
            preview->activateWindow();
            preview->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QWidget::focusInEvent(event);
}

// Embedded, the preview fills the control's client area.
void TPrintEngine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!embeddedWithDocument())
        return;
    if (QWidget *preview = engineWindow(GetPreviewWindow)) {
        const QRect client = contentsRect();
        preview->setGeometry(client.left(), client.top(), client.width(), client.height());
    }
}

void TPrintEngine::keyPressEvent(QKeyEvent *event)
{
    QWidget::keyPressEvent(event);
    if (!embeddedWithDocument())
        return;
    if (QWidget *keyWindow = engineWindow(GetKeyWindow)) {
        QKeyEvent forwarded(QEvent::KeyPress, event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(keyWindow, &forwarded);
    }
}

// Shift with the wheel reaches the preview as Control (its zoom); any other
// key state is dropped, so a plain wheel scrolls.
void TPrintEngine::wheelEvent(QWheelEvent *event)
{
    QWidget *preview = embeddedWithDocument() ? engineWindow(GetPreviewWindow) : nullptr;
    if (!preview) {
        QWidget::wheelEvent(event);
        return;
    }
    const Qt::KeyboardModifiers state =
        event->modifiers().testFlag(Qt::ShiftModifier) ? Qt::ControlModifier : Qt::NoModifier;
    QWheelEvent forwarded(preview->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                          event->pixelDelta(), event->angleDelta(), event->buttons(), state, event->phase(),
                          event->inverted(), event->source());
    forwarded.setAccepted(false);
    QCoreApplication::sendEvent(preview, &forwarded);
    event->setAccepted(forwarded.isAccepted());
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
    // The pattern's page.
    engine.SetPageOrientation(Page::kPatternLandscape ? ORIENT_LANDSCAPE : ORIENT_PORTRAIT);
    engine.SetPageFormat(Page::FormatOf(Page::kPatternPaper));
    engine.SetPageWidth(Page::PortraitCm(Page::kPatternPaper).width());
    engine.SetPageHeight(Page::PortraitCm(Page::kPatternPaper).height());
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
