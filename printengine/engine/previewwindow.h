#pragma once
// The engine's preview window: the document's pages at true scale, with
// zoom, page navigation, print, save as PDF and close. Top-level by default;
// a child of the window given at open when the document was opened embedded.

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QScrollArea;
class QPrinter;
class QToolBar;

namespace fretprint {

class Document;
class PageView;

class PreviewWindow : public QMainWindow {
public:
    explicit PreviewWindow(Document *document);
    ~PreviewWindow() override;

    // Brings the window up (again) with the document's current settings.
    void showForDocument();
    // Re-reads page size, settings and placement from the document.
    void applySettings();
    // The widget that takes the key presses a host forwards.
    QWidget *keyWindow() const;

    // The document is going away: forget it and go, now or, when called from
    // inside one of our own actions, once that action has returned.
    void detachAndDispose();

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    int currentPage() const { return m_currentPage; }
    void goToPage(int index);

    // Asks the user how to print on `printer`; false cancels the print.
    using PrintChooser = std::function<bool(QPrinter &printer)>;

    // The user's commands, also reachable from tests.
    void printDocument();
    // Print once there is a printer: the document's page on it, `choose`
    // when the print setup dialog is on, then every page at 1:1.
    void printDocumentOn(QPrinter &printer, const PrintChooser &choose);
    void savePdf();
    void openPicture();
    void mailDocument();
    void showHelp();

protected:
    void closeEvent(QCloseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    class BusyScope;

    bool handleKey(int key);
    void buildActions();
    void buildToolBar();
    void buildMenus();
    void buildStatusBar();
    void updateStatus();
    void updateNavigation();
    void applyPlacement();
    void showNotice(const QString &title, const QString &text);
    void printTo(QPrinter &printer);
    bool runPrintDialog(QPrinter &printer);

    Document *m_document;
    PageView *m_view = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_zoomLabel = nullptr;
    double m_zoom = 1.0;
    int m_currentPage = 0;
    int m_busy = 0;
    bool m_disposing = false;

    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_mailAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_zoomInAction = nullptr;
    QAction *m_zoomOutAction = nullptr;
    QAction *m_actualSizeAction = nullptr;
    QAction *m_gridAction = nullptr;
    QAction *m_firstAction = nullptr;
    QAction *m_previousAction = nullptr;
    QAction *m_nextAction = nullptr;
    QAction *m_lastAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_aboutAction = nullptr;
};

} // namespace fretprint
