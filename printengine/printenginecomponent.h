#pragma once
// TPrintEngine: the program's side of the engine. An invisible control that
// owns at most one engine document, turns its properties into the engine's
// open flags and settings, and offers the document operations the main
// window calls. It reaches the engine only through the loader's table.

#include "printengine/protocol/enginefunctions.h"
#include "enginetable.h"
#include "engineerror.h"
#include "printengine/protocol/papersizes.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

class EngineMessageEvent;

enum TPageOrientation { ORIENT_PORTRAIT, ORIENT_LANDSCAPE };
enum class TRulersMeasure { cm, inch };
enum class TGridMode { InBackground, InForeground };
enum class TPreviewCtrl { Stay, JumpTop };
enum class TBorderStyle { bsNone, bsSingle };
using TPaperFormat = Paper::TPaperFormat;

class TPrintEngine;
using TNotifyEvent = std::function<void(TPrintEngine *sender)>;
using TMSGRequestPrint = std::function<void(TPrintEngine *sender, int action, int &resultingAction)>;
using TMSGPrintNewPage = std::function<void(TPrintEngine *sender, int page, int &resultingAction)>;
using TMSGBeforeMail = std::function<void(TPrintEngine *sender, bool &cancel)>;
using TMSGBeforeOpenFile = TMSGBeforeMail;
using TMSGBeforeSaveFile = TMSGBeforeMail;
using TMSGAfterMail = std::function<void(TPrintEngine *sender, int result)>;
using TMSGAfterOpenFile = TMSGAfterMail;
using TMSGAfterSaveFile = TMSGAfterMail;
using TMSGRequestClose = std::function<void(TPrintEngine *sender, bool &canClose)>;

class TPrintEngine : public QWidget {
public:
    // The far-corner value that leaves a placed picture at its own size.
    static constexpr double kFreeCorner = EngineAbi::kFreeCornerMarker;
    // Engine status after a refused open.
    static constexpr std::int32_t kStatusOpenRefused = 1;
    static constexpr std::int32_t kStatusSwapOpenRefused = 200;
    // Engine status after a document file the disk had no room for.
    static constexpr std::int32_t kStatusDiskFull = EngineAbi::kStatusDiskFull;

    explicit TPrintEngine(const EngineTable &engine, QWidget *parent = nullptr);
    ~TPrintEngine() override;

    // Document operations. Those after OpenDoc raise EPrintEngineError of
    // kind 0 when no document is open, without calling the engine.
    void OpenDoc();
    bool CloseDoc();
    void SuppressOutline();
    double PlacePicture(const QString &fileName, double x1, double y1, double x2, double y2);
    void SetPreviewPlacement(int left, int top, int width, int height, int mode);
    int ShowPreview();
    int WriteDocFile(const QString &fileName);

    bool DocumentOpen() const { return m_doc != 0; }
    std::int32_t Status() const { return m_status; }
    // The open flags OpenDoc passes for the current property values.
    std::int32_t OpenFlags() const;

    // While the stored layout is being loaded, page width and height writes
    // keep the stored page format.
    void SetLoading(bool loading) { m_loading = loading; }
    bool Loading() const { return m_loading; }

    // Published properties. Reads while a document is open either ask the
    // engine or raise kind 1; writes while open go to the engine, raise
    // kind 1 or are only stored, each as the property's nature demands.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption) { m_caption = caption; }
    bool ExternalWindow() const { return m_externalWindow; }
    void SetExternalWindow(bool value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TPageOrientation PageOrientation() const;
    void SetPageOrientation(TPageOrientation value);
    TPaperFormat PageFormat() const;
    void SetPageFormat(TPaperFormat value);
    double PageWidth() const;
    void SetPageWidth(double value);
    double PageHeight() const;
    void SetPageHeight(double value);
    QString SwapFileName() const { return m_swapFileName; }
    void SetSwapFileName(const QString &value) { m_swapFileName = value; }
    bool Rulers() const { return m_rulers; }
    void SetRulers(bool value) { setStoredOnly(m_rulers, value); }
    TRulersMeasure RulersMeasure() const { return m_rulersMeasure; }
    void SetRulersMeasure(TRulersMeasure value);
    TGridMode GridMode() const;
    void SetGridMode(TGridMode value);
    bool GridVisible() const { return readStoredOnlyWhileClosed(m_gridVisible); }
    void SetGridVisible(bool value) { setFlagThroughEngine(m_gridVisible, value, EngineAbi::SetGridVisible); }
    bool EnableHelpRouting() const { return readStoredOnlyWhileClosed(m_enableHelpRouting); }
    void SetEnableHelpRouting(bool value)
    {
        setFlagThroughEngine(m_enableHelpRouting, value, EngineAbi::SetHelpRouting);
    }
    bool StatusBar() const { return m_statusBar; }
    void SetStatusBar(bool value) { setStoredOnly(m_statusBar, value); }
    bool ToolBar() const { return m_toolBar; }
    void SetToolBar(bool value) { setStoredOnly(m_toolBar, value); }
    bool tbAbout() const { return m_tbAbout; }
    void SettbAbout(bool value) { setStoredOnly(m_tbAbout, value); }
    bool tbClose() const { return m_tbClose; }
    void SettbClose(bool value) { setStoredOnly(m_tbClose, value); }
    bool tbGrid() const { return m_tbGrid; }
    void SettbGrid(bool value) { setStoredOnly(m_tbGrid, value); }
    bool tbHelp() const { return m_tbHelp; }
    void SettbHelp(bool value) { setStoredOnly(m_tbHelp, value); }
    bool tbNavigate() const { return m_tbNavigate; }
    void SettbNavigate(bool value) { setStoredOnly(m_tbNavigate, value); }
    bool tbOpen() const { return m_tbOpen; }
    void SettbOpen(bool value) { setStoredOnly(m_tbOpen, value); }
    bool tbSave() const { return m_tbSave; }
    void SettbSave(bool value) { setStoredOnly(m_tbSave, value); }
    bool tbPrint() const { return m_tbPrint; }
    void SettbPrint(bool value) { setStoredOnly(m_tbPrint, value); }
    bool tbMail() const { return m_tbMail; }
    void SettbMail(bool value) { setStoredOnly(m_tbMail, value); }
    bool tbScale() const { return m_tbScale; }
    void SettbScale(bool value) { setStoredOnly(m_tbScale, value); }
    bool EnablePrintSetupDialog() const { return readStoredOnlyWhileClosed(m_enablePrintSetupDialog); }
    void SetEnablePrintSetupDialog(bool value)
    {
        setFlagThroughEngine(m_enablePrintSetupDialog, value, EngineAbi::SetPrintSetupDialog);
    }
    bool PaperView() const { return readStoredOnlyWhileClosed(m_paperView); }
    void SetPaperView(bool value) { setFlagThroughEngine(m_paperView, value, EngineAbi::SetPaperView); }
    bool DocFileReadOnly() const { return readStoredOnlyWhileClosed(m_docFileReadOnly); }
    void SetDocFileReadOnly(bool value)
    {
        setFlagThroughEngine(m_docFileReadOnly, value, EngineAbi::SetDocFileReadOnly);
    }
    bool PageScroller() const { return m_pageScroller; }
    void SetPageScroller(bool value) { setStoredOnly(m_pageScroller, value); }
    bool StatusSegment() const { return m_statusSegment; }
    void SetStatusSegment(bool value) { setStoredOnly(m_statusSegment, value); }
    bool PageScrollerTracking() const { return readStoredOnlyWhileClosed(m_pageScrollerTracking); }
    void SetPageScrollerTracking(bool value);
    TPreviewCtrl PreviewCtrl() const { return readStoredOnlyWhileClosed(m_previewCtrl); }
    void SetPreviewCtrl(TPreviewCtrl value);

    // Events, raised for the engine's notifications.
    TNotifyEvent OnDestroyWindow;
    TMSGRequestPrint OnRequestPrint;
    TNotifyEvent OnHelp;
    TMSGPrintNewPage OnPrintNewPage;
    TMSGPrintNewPage OnPrintDevData;
    TNotifyEvent OnAutoPageBreak;
    TNotifyEvent OnCloseWindow;
    TMSGBeforeMail OnBeforeMail;
    TMSGAfterMail OnAfterMail;
    TMSGRequestClose OnRequestClose;
    TMSGBeforeOpenFile OnBeforeOpenFile;
    TMSGAfterOpenFile OnAfterOpenFile;
    TMSGBeforeSaveFile OnBeforeSaveFile;
    TMSGAfterSaveFile OnAfterSaveFile;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Property access rules while a document is open.
    void refuseWhileOpen() const;
    template <typename T>
    void setStoredOnly(T &field, T value)
    {
        refuseWhileOpen();
        field = value;
    }
    template <typename T>
    T readStoredOnlyWhileClosed(const T &field) const
    {
        refuseWhileOpen();
        return field;
    }
    void setFlagThroughEngine(bool &field, bool value, int ordinal);
    QWidget *engineWindow(int ordinal) const;
    bool embeddedWithDocument() const { return !m_externalWindow && m_doc != 0; }
    int answerCancel(const TMSGBeforeMail &handler);
    int answerAction(const TMSGPrintNewPage &handler, int wParam);
    void disableApplicationWindows();
    void enableSavedWindows();

    void requireOpen() const;
    void applyCreationParams();
    void applyOpenSettings();
    void handleEngineMessage(EngineMessageEvent &message);
    void documentDestroyed();
    void setEngineInt(int ordinal, std::int32_t value) const;
    void setEngineDouble(int ordinal, double value) const;
    EngineAbi::WindowHandle ownWindowHandle();

    const EngineTable &m_engine;
    QList<QPointer<QWidget>> m_savedWindows; // disabled while the engine mails
    EngineAbi::Doc m_doc = 0;
    std::int32_t m_status = 0;
    bool m_loading = false;

    TBorderStyle m_borderStyle = TBorderStyle::bsNone;
    bool m_externalWindow = true;
    double m_pageWidth = 21.0;
    double m_pageHeight = 29.7;
    TGridMode m_gridMode = TGridMode::InForeground;
    TPreviewCtrl m_previewCtrl = TPreviewCtrl::JumpTop;
    bool m_gridVisible = false;
    bool m_rulers = true;
    bool m_enableHelpRouting = false;
    bool m_statusBar = true;
    bool m_toolBar = true;
    bool m_tbAbout = true;
    bool m_tbClose = true;
    bool m_tbGrid = false;
    bool m_tbHelp = true;
    bool m_tbNavigate = true;
    bool m_tbOpen = true;
    bool m_tbSave = true;
    bool m_tbPrint = true;
    bool m_tbMail = true;
    bool m_enablePrintSetupDialog = true;
    bool m_tbScale = true;
    bool m_paperView = true;
    QString m_swapFileName;
    TPageOrientation m_pageOrientation = ORIENT_PORTRAIT;
    TRulersMeasure m_rulersMeasure = TRulersMeasure::cm;
    bool m_pageScroller = true;
    bool m_pageScrollerTracking = true;
    bool m_statusSegment = true;
    TPaperFormat m_pageFormat = Paper::PAPER_A4;
    bool m_docFileReadOnly = false;
    QString m_caption = QStringLiteral("Print Preview");
};

// The values stored with the main window's layout for its PrintEngine1.
void LoadPrintEngine1Layout(TPrintEngine &engine);
