#include "previewwindow.h"

#include "document.h"
#include "enginestate.h"
#include "pagepainter.h"
#include "pageview.h"
#include "pdfexport.h"
#include "printengine/protocol/enginemessage.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QUrlQuery>
#include <QWheelEvent>

#include <cmath>

using namespace EngineAbi;

namespace fretprint {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8.0;
constexpr int kWheelNotch = 120;
constexpr qintptr kPrintActionDialog = 1;
constexpr QSize kDefaultPreviewSize(980, 590);

// Full page, no margins, no scaling: the page comes out at 100 %, with the
// paper's corner as the origin the pages are laid out from.
void PutDocumentPageOn(QPrinter &printer, const Document &document)
{
    QPageLayout layout = document.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    printer.setFullPage(true);
    printer.setPageLayout(layout);
}

} // namespace

// Marks that one of the window's own commands is running, so that a document
// closed from inside it (by the program, answering a notification) does not
// delete the window under its own feet.
class PreviewWindow::BusyScope {
public:
    explicit BusyScope(PreviewWindow *window) : m_window(window) { ++m_window->m_busy; }
    ~BusyScope() { --m_window->m_busy; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    PreviewWindow *m_window;
};

PreviewWindow::PreviewWindow(Document *document)
    : QMainWindow(document->hasFlag(OpenFlag::Embedded) ? document->parentWindow() : nullptr),
      m_document(document)
{
    if (document->hasFlag(OpenFlag::Embedded))
        setWindowFlags(Qt::Widget);
    setWindowTitle(document->title());
    setObjectName(QStringLiteral("fretprintPreview"));

    m_view = new PageView;
    m_view->setDocument(document);
    m_view->keyHandler = [this](int key, Qt::KeyboardModifiers) { return handleKey(key); };
    m_scrollArea = new QScrollArea;
    m_scrollArea->setWidget(m_view);
    m_scrollArea->setAlignment(Qt::AlignCenter);
    m_scrollArea->setBackgroundRole(QPalette::Dark);
    setCentralWidget(m_scrollArea);

    buildActions();
    buildToolBar();
    buildMenus();
    buildStatusBar();
    resize(kDefaultPreviewSize);
    applySettings();
}

PreviewWindow::~PreviewWindow() = default;

QWidget *PreviewWindow::keyWindow() const { return m_view; }

void PreviewWindow::buildActions()
{
    auto make = [this](const QString &text, const QKeySequence &key, auto slot) {
        auto *action = new QAction(text, this);
        if (!key.isEmpty())
            action->setShortcut(key);
        // Embedded, our keys must not reach into the host's window.
        if (m_document->hasFlag(OpenFlag::Embedded))
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    m_openAction = make(tr("&Open Picture..."), QKeySequence::Open, [this] { openPicture(); });
    m_saveAction = make(tr("&Save as PDF..."), QKeySequence::Save, [this] { savePdf(); });
    // No key for Print: a host program may keep Ctrl+P for itself in every
    // one of its windows, and a key shown here must work here.
    m_printAction = make(tr("&Print..."), QKeySequence(), [this] { printDocument(); });
    m_mailAction = make(tr("&Mail..."), QKeySequence(), [this] { mailDocument(); });
    m_closeAction = make(tr("&Close"), QKeySequence(Qt::Key_Escape), [this] { close(); });
    m_zoomInAction = make(tr("Zoom &In"), QKeySequence::ZoomIn, [this] { setZoom(m_zoom * kZoomStep); });
    m_zoomOutAction = make(tr("Zoom &Out"), QKeySequence::ZoomOut, [this] { setZoom(m_zoom / kZoomStep); });
    m_actualSizeAction = make(tr("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
    m_gridAction = make(tr("&Grid"), QKeySequence(), [this] {
        if (m_document) {
            m_document->settings().gridVisible = !m_document->settings().gridVisible;
            applySettings();
        }
    });
    m_gridAction->setCheckable(true);
    m_firstAction = make(tr("&First Page"), QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { goToPage(0); });
    m_previousAction = make(tr("&Previous Page"), QKeySequence(Qt::Key_PageUp), [this] { goToPage(m_currentPage - 1); });
    m_nextAction = make(tr("&Next Page"), QKeySequence(Qt::Key_PageDown), [this] { goToPage(m_currentPage + 1); });
    m_lastAction = make(tr("&Last Page"), QKeySequence(Qt::CTRL | Qt::Key_End), [this] {
        if (m_document)
            goToPage(static_cast<int>(m_document->pages().size()) - 1);
    });
    m_helpAction = make(tr("&Help"), QKeySequence::HelpContents, [this] { showHelp(); });
    m_aboutAction = make(tr("&About"), QKeySequence(), [this] {
        showNotice(tr("About"), tr("Print preview: pages at true scale, printed at 100 %."));
    });
}

// Each button is there unless the open flags switch it off; Print always is.
void PreviewWindow::buildToolBar()
{
    const Document &doc = *m_document;
    m_toolBar = addToolBar(tr("Preview"));
    m_toolBar->setMovable(false);
    auto add = [this](QAction *action, bool wanted) {
        if (wanted)
            m_toolBar->addAction(action);
    };
    add(m_openAction, !doc.hasFlag(OpenFlag::NoOpenButton));
    add(m_saveAction, !doc.hasFlag(OpenFlag::NoSaveButton));
    add(m_printAction, true);
    add(m_mailAction, !doc.hasFlag(OpenFlag::NoMailButton));
    m_toolBar->addSeparator();
    const bool navigate = !doc.hasFlag(OpenFlag::NoNavigateButtons);
    add(m_firstAction, navigate);
    add(m_previousAction, navigate);
    add(m_nextAction, navigate);
    add(m_lastAction, navigate);
    const bool scale = !doc.hasFlag(OpenFlag::NoScaleButton);
    add(m_zoomOutAction, scale);
    add(m_actualSizeAction, scale);
    add(m_zoomInAction, scale);
    add(m_gridAction, doc.hasFlag(OpenFlag::GridButton));
    m_toolBar->addSeparator();
    add(m_helpAction, !doc.hasFlag(OpenFlag::NoHelpButton));
    add(m_aboutAction, !doc.hasFlag(OpenFlag::NoAboutButton));
    add(m_closeAction, !doc.hasFlag(OpenFlag::NoCloseButton));
    m_toolBar->setVisible(!doc.hasFlag(OpenFlag::NoToolBar));
}

// The menus carry the same commands, so that a window without its toolbar
// still offers printing, saving, zoom and closing.
void PreviewWindow::buildMenus()
{
    const Document &doc = *m_document;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    if (!doc.hasFlag(OpenFlag::NoOpenButton))
        file->addAction(m_openAction);
    if (!doc.hasFlag(OpenFlag::NoSaveButton))
        file->addAction(m_saveAction);
    file->addAction(m_printAction);
    if (!doc.hasFlag(OpenFlag::NoMailButton))
        file->addAction(m_mailAction);
    if (!doc.hasFlag(OpenFlag::NoCloseButton)) {
        file->addSeparator();
        file->addAction(m_closeAction);
    }
    QMenu *view = menuBar()->addMenu(tr("&View"));
    if (!doc.hasFlag(OpenFlag::NoScaleButton)) {
        view->addAction(m_zoomInAction);
        view->addAction(m_zoomOutAction);
        view->addAction(m_actualSizeAction);
    }
    if (doc.hasFlag(OpenFlag::GridButton))
        view->addAction(m_gridAction);
    if (!doc.hasFlag(OpenFlag::NoNavigateButtons)) {
        view->addSeparator();
        view->addAction(m_firstAction);
        view->addAction(m_previousAction);
        view->addAction(m_nextAction);
        view->addAction(m_lastAction);
    }
    if (view->isEmpty())
        view->menuAction()->setVisible(false);
    if (!doc.hasFlag(OpenFlag::NoHelpButton) || !doc.hasFlag(OpenFlag::NoAboutButton)) {
        QMenu *help = menuBar()->addMenu(tr("&Help"));
        if (!doc.hasFlag(OpenFlag::NoHelpButton))
            help->addAction(m_helpAction);
        if (!doc.hasFlag(OpenFlag::NoAboutButton))
            help->addAction(m_aboutAction);
    }
}

void PreviewWindow::buildStatusBar()
{
    m_pageLabel = new QLabel;
    m_zoomLabel = new QLabel;
    statusBar()->addWidget(m_pageLabel);
    statusBar()->addPermanentWidget(m_zoomLabel);
    m_zoomLabel->setVisible(!m_document->hasFlag(OpenFlag::NoStatusSegment));
    statusBar()->setVisible(!m_document->hasFlag(OpenFlag::NoStatusBar));
}

void PreviewWindow::applySettings()
{
    if (!m_document)
        return;
    const PreviewSettings &settings = m_document->settings();
    m_openAction->setEnabled(!settings.docFileReadOnly);
    m_gridAction->setChecked(settings.gridVisible);
    const bool scroller = !m_document->hasFlag(OpenFlag::NoPageScroller);
    m_scrollArea->setHorizontalScrollBarPolicy(scroller ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(scroller ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_scrollArea->verticalScrollBar()->setTracking(settings.scrollerTracking);
    m_scrollArea->horizontalScrollBar()->setTracking(settings.scrollerTracking);
    m_currentPage = qBound(0, m_currentPage, static_cast<int>(m_document->pages().size()) - 1);
    m_view->setPageIndex(m_currentPage);
    m_view->setZoom(m_zoom);
    m_view->refresh();
    applyPlacement();
    updateNavigation();
    updateStatus();
}

void PreviewWindow::applyPlacement()
{
    if (m_document->hasFlag(OpenFlag::Embedded)) {
        if (QWidget *host = parentWidget())
            setGeometry(host->contentsRect());
        return;
    }
    // The position is the frame's, as the program measures its own window;
    // the size is the window's.
    const PreviewPlacement &placement = m_document->placement();
    if (placement.given) {
        move(placement.geometry.topLeft());
        resize(placement.geometry.size());
    }
}

void PreviewWindow::showForDocument()
{
    applySettings();
    show();
    raise();
    activateWindow();
    m_view->setFocus();
}

void PreviewWindow::updateStatus()
{
    const int count = m_document ? static_cast<int>(m_document->pages().size()) : 0;
    m_pageLabel->setText(tr("Page %1 of %2").arg(m_currentPage + 1).arg(count));
    m_zoomLabel->setText(tr("%1 %").arg(qRound(m_zoom * 100)));
}

void PreviewWindow::updateNavigation()
{
    const int last = m_document ? static_cast<int>(m_document->pages().size()) - 1 : 0;
    m_firstAction->setEnabled(m_currentPage > 0);
    m_previousAction->setEnabled(m_currentPage > 0);
    m_nextAction->setEnabled(m_currentPage < last);
    m_lastAction->setEnabled(m_currentPage < last);
}

void PreviewWindow::setZoom(double zoom)
{
    m_zoom = qBound(kMinZoom, zoom, kMaxZoom);
    m_view->setZoom(m_zoom);
    m_view->refresh();
    updateStatus();
}

void PreviewWindow::goToPage(int index)
{
    if (!m_document)
        return;
    const int last = static_cast<int>(m_document->pages().size()) - 1;
    const int target = qBound(0, index, last);
    if (target == m_currentPage)
        return;
    m_currentPage = target;
    m_view->setPageIndex(target);
    m_view->update();
    if (m_document->settings().previewCtrl == 1)
        m_scrollArea->verticalScrollBar()->setValue(0);
    updateNavigation();
    updateStatus();
}

// The keys of the page view, also when a host forwards them to it.
bool PreviewWindow::handleKey(int key)
{
    QScrollBar *vertical = m_scrollArea->verticalScrollBar();
    QScrollBar *horizontal = m_scrollArea->horizontalScrollBar();
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: setZoom(m_zoom * kZoomStep); return true;
    case Qt::Key_Minus: setZoom(m_zoom / kZoomStep); return true;
    case Qt::Key_PageUp: goToPage(m_currentPage - 1); return true;
    case Qt::Key_PageDown: goToPage(m_currentPage + 1); return true;
    case Qt::Key_Home: goToPage(0); return true;
    case Qt::Key_End:
        if (m_document)
            goToPage(static_cast<int>(m_document->pages().size()) - 1);
        return true;
    case Qt::Key_Up: vertical->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Down: vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    case Qt::Key_Left: horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Right: horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    default: return false;
    }
}

void PreviewWindow::detachAndDispose()
{
    if (m_disposing)
        return;
    m_disposing = true;
    m_document = nullptr;
    m_view->setDocument(nullptr);
    hide();
    if (m_busy > 0)
        deleteLater();
    else
        delete this;
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    if (!m_document) {
        event->accept();
        return;
    }
    BusyScope busy(this);
    if (m_document->notify(EngineMessage::RequestClose) != 0) {
        event->ignore();
        return;
    }
    m_document->notify(EngineMessage::CloseWindow);
    if (!m_document) { // the program closed the document while answering
        event->accept();
        return;
    }
    const QPointer<QWidget> parent = m_document->parentWindow();
    EngineState::Instance().close(m_document->handle()); // disposes of this window
    event->accept();
    if (parent) {
        EngineMessageEvent destroyed(EngineMessage::DestroyWindow, 0);
        QCoreApplication::sendEvent(parent, &destroyed);
    }
}

void PreviewWindow::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / kWheelNotch;
    if (event->modifiers() & Qt::ControlModifier) {
        if (steps != 0)
            setZoom(steps > 0 ? m_zoom * std::pow(kZoomStep, steps) : m_zoom / std::pow(kZoomStep, -steps));
        event->accept();
        return;
    }
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    bar->setValue(bar->value() - steps * bar->singleStep() * 3);
    event->accept();
}

void PreviewWindow::showNotice(const QString &title, const QString &text)
{
    // Not modal to the application: a notice must never block the program.
    auto *box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("fretprintNotice"));
    box->open();
}

void PreviewWindow::printTo(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        showNotice(tr("Print"), tr("The printer could not be started."));
        return;
    }
    const double unitsPerCm = printer.resolution() / kCmPerInch;
    const int count = static_cast<int>(m_document->pages().size());
    // The program may close the document while answering a notification:
    // look it up afresh after each one.
    for (int index = 0; index < count && m_document; ++index) {
        if (index > 0)
            printer.newPage();
        if (m_document->notify(EngineMessage::PrintNewPage, index + 1) != 0 || !m_document)
            break;
        PaintPage(painter, m_document->pages()[index], m_document->pageSizeCm(), unitsPerCm);
    }
    painter.end();
}

void PreviewWindow::printDocument()
{
    BusyScope busy(this);
    if (!m_document || m_document->notify(EngineMessage::RequestPrint, kPrintActionDialog) != 0)
        return;
    if (!m_document)
        return;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        showNotice(tr("Print"), tr("No printer is installed. Save the page as a PDF file instead."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printDocumentOn(printer, [this](QPrinter &chosen) { return runPrintDialog(chosen); });
}

void PreviewWindow::printDocumentOn(QPrinter &printer, const PrintChooser &choose)
{
    printer.setDocName(m_document->title());
    PutDocumentPageOn(printer, *m_document);
    if (m_document->settings().printSetupDialog) {
        if (!choose(printer) || !m_document)
            return;
        // Qt's print dialog hands a printer queue's own default paper and
        // margins over whatever it was given. The pages are laid out in
        // centimetres on the document's paper, so that paper goes back.
        PutDocumentPageOn(printer, *m_document);
    }
    if (m_document->notify(EngineMessage::PrintDevData, printer.resolution()) != 0 || !m_document)
        return;
    printTo(printer);
}

bool PreviewWindow::runPrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, this);
    // Its paper page would offer a choice the print cannot honour.
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
    return dialog.exec() == QDialog::Accepted;
}

void PreviewWindow::savePdf()
{
    BusyScope busy(this);
    if (!m_document || m_document->notify(EngineMessage::BeforeSaveFile) != 0 || !m_document)
        return;
    const QString name = QFileDialog::getSaveFileName(this, tr("Save as PDF"), m_document->title() + ".pdf",
                                                      tr("PDF file (*.pdf)"));
    if (name.isEmpty() || !m_document)
        return;
    const PdfFileResult result = WritePdfFile(*m_document, name);
    const bool written = result == PdfFileResult::Written;
    m_document->setStatus(StatusAfter(result));
    m_document->notify(EngineMessage::AfterSaveFile, written ? 1 : 0);
    if (result == PdfFileResult::DiskFull)
        showNotice(tr("Save as PDF"), tr("Disk full."));
    else if (!written)
        showNotice(tr("Save as PDF"), tr("The file %1 could not be written.").arg(QDir::toNativeSeparators(name)));
}

void PreviewWindow::openPicture()
{
    BusyScope busy(this);
    if (!m_document || m_document->settings().docFileReadOnly)
        return;
    if (m_document->notify(EngineMessage::BeforeOpenFile) != 0 || !m_document)
        return;
    const QString name = QFileDialog::getOpenFileName(this, tr("Open Picture"), QString(),
                                                      tr("Pictures (*.bmp *.png *.jpg)"));
    if (name.isEmpty() || !m_document)
        return;
    constexpr double kPictureMarginCm = 1.0;
    const bool placed = m_document->placePicture(name, QRectF(kPictureMarginCm, kPictureMarginCm, 0, 0), true);
    m_document->notify(EngineMessage::AfterOpenFile, placed ? 1 : 0);
    applySettings();
}

// Mail: the page goes into a PDF file in the temporary folder and the user's
// mail program opens with a new message naming it.
void PreviewWindow::mailDocument()
{
    BusyScope busy(this);
    if (!m_document || m_document->notify(EngineMessage::BeforeMail) != 0 || !m_document)
        return;
    const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                             .filePath(QStringLiteral("fretprint-%1.pdf").arg(m_document->handle()));
    bool sent = WritePdfFile(*m_document, path) == PdfFileResult::Written;
    if (sent) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), m_document->title());
        query.addQueryItem(QStringLiteral("body"), QDir::toNativeSeparators(path));
        QUrl url(QStringLiteral("mailto:"));
        url.setQuery(query);
        sent = QDesktopServices::openUrl(url);
    }
    if (m_document)
        m_document->notify(EngineMessage::AfterMail, sent ? 1 : 0);
}

void PreviewWindow::showHelp()
{
    BusyScope busy(this);
    if (m_document && m_document->settings().helpRouting) {
        m_document->notify(EngineMessage::Help);
        return;
    }
    showNotice(tr("Help"), tr("Zoom with Ctrl and the mouse wheel or Ctrl + and Ctrl -, move between pages "
                              "with Page Up and Page Down, print with Ctrl+P and close with Esc."));
}

} // namespace fretprint
