#pragma once
// The main window: the full-scale preview with its rulers, the settings bars
// and switches, the text box, the status strip, the command buttons and the
// menu. Every value of the pattern lives in one control, whose handler puts
// it into the preview; Pattern() reads them all as one PatternSettings.
//
// Later commands read the pattern from these controls and change it only by
// setting the controls, so that the same handlers and cascades run.

#include "app/bridgecommands.h"
#include "core/pattern.h"
#include "render/patternview.h"
#include "render/workimage.h"
#include "ui/commandguard.h"
#include "ui/dialogs.h"

#include <QMainWindow>
#include <memory>

class PrintEngineLoader;
class TCutLinesOverlay;
struct TOverlayCutLines;
class TPrintEngine;
class TSpotOverlay;
class QAction;
class QIcon;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class LinkLabel;
class TAboutDlg;
class TEtchedFrame;
class TGlobalHotKey;
class TImage;
class TPanel;
class TRulerPicture;
class TScrollBar;
class TShape;
class TShapeControl;
class TStarter;
class TWaveComp;

extern const char *const kApplicationTitle; // "Kerfhaven Fretcard Printer"

// The program's own icon, scalable, for its windows and its about box.
QIcon ProgramIcon();

class TForm1 : public QMainWindow {
    Q_OBJECT

    // Declared first: the dialogs below are built on the host.
    std::unique_ptr<TDialogHost> m_ownHost;
    TDialogHost *m_host;
    TCommandGuard m_guard;

public:
    // Dialogs and message boxes go through `host`; without one the window
    // shows real Qt dialogs. `printEngine` is the loader that opened the
    // engine library at start-up; it must outlive the window. Without one
    // (or when its load failed) Print and Export PDF only say so.
    explicit TForm1(TDialogHost *host = nullptr, QWidget *parent = nullptr,
                    const PrintEngineLoader *printEngine = nullptr);
    ~TForm1() override;

    TCommandGuard &Guard() { return m_guard; }
    TDialogHost &DialogHost() { return *m_host; }
    TShapeControl *PatternView() const { return ShapeControl1; }

    // --- Controls, by their layout names -------------------------------
    TPanel *Panel1 = nullptr; // preview panel
    TPanel *Panel2 = nullptr; // settings panel
    TPanel *Panel3 = nullptr; // command panel
    TPanel *Panel5 = nullptr; // donation note
    TPanel *Panel6 = nullptr; // status strip
    TPanel *LinkPanel1 = nullptr; // holders for the two link labels
    TPanel *LinkPanel2 = nullptr;

    TShapeControl *ShapeControl1 = nullptr; // the pattern view
    TRulerPicture *Image10 = nullptr;       // horizontal ruler
    TRulerPicture *Image12 = nullptr;       // vertical ruler
    TShape *Shape1 = nullptr;               // the rulers' corner square
    TShape *Shape2 = nullptr;               // the base bar shape
    TImage *Image11 = nullptr;              // hidden work image of the exports
    TImage *Image2 = nullptr;               // donation picture

    TScrollBar *ScrollBar1 = nullptr; // Font Size
    TScrollBar *ScrollBar2 = nullptr; // Blank Width
    TScrollBar *ScrollBar3 = nullptr; // Blank Height
    TScrollBar *ScrollBar4 = nullptr; // VPos
    TScrollBar *ScrollBar5 = nullptr; // Corners
    TScrollBar *ScrollBar6 = nullptr; // HPos
    TScrollBar *ScrollBar7 = nullptr; // Kern
    QCheckBox *CheckBox1 = nullptr;   // Multiline
    QCheckBox *CheckBox2 = nullptr;   // Text Outline
    QCheckBox *CheckBox3 = nullptr;   // Base
    QCheckBox *CheckBox4 = nullptr;   // Page Outline
    QLineEdit *Edit1 = nullptr;       // Text

    QLabel *Label7 = nullptr;  // width in inches
    QLabel *Label9 = nullptr;  // height in inches
    QLabel *Label12 = nullptr; // Kern
    QLabel *Label13 = nullptr; // Font Size
    QLabel *Label14 = nullptr; // VPos
    QLabel *Label15 = nullptr; // HPos
    QLabel *Label16 = nullptr; // Corners
    QLabel *Label8 = nullptr;  // Multiline warning

    QPushButton *Button1 = nullptr; // Print
    QPushButton *Button2 = nullptr; // Export BMP
    QPushButton *Button3 = nullptr; // Open
    QPushButton *Button4 = nullptr; // Reset
    QPushButton *Button5 = nullptr; // Font
    QPushButton *Button6 = nullptr; // Exit
    QPushButton *Button7 = nullptr; // Font Viewer
    QPushButton *Button8 = nullptr; // Export PDF
    QPushButton *Button9 = nullptr; // Save As

    QAction *Open1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *SaveBMP1 = nullptr;
    QAction *SavePDF1 = nullptr;
    QAction *Reset1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *Font1 = nullptr;
    QAction *About2 = nullptr;
    QAction *ShowCutLines1 = nullptr; // checkable: the preview shows the cut lines
    QAction *ExportCutLinesPdf1 = nullptr;
    QAction *ExportSvg1 = nullptr;
    QAction *ExportDxf1 = nullptr;
    QAction *PrintCutLines1 = nullptr;

    // --- Cut lines for a blade and a stencil: kerf, bridges, fragile spots,
    // --- blade-entry holes and the waste shaded --------------------------
    QAction *StencilBridges1 = nullptr;   // checkable: bridges tie the letters' islands
    QAction *ShowFragileSpots1 = nullptr; // checkable: the overlay marks too-narrow wood
    QAction *ShowDrillHoles1 = nullptr;   // checkable: a drill mark in every inside cut
    QAction *ShadeWaste1 = nullptr;       // checkable: what the blade removes in grey
    QAction *BridgeWidth1 = nullptr;
    QAction *LeastWidth1 = nullptr;
    QAction *BladeKerf1 = nullptr;
    QAction *DrillSize1 = nullptr;
    void StencilBridges1Click();
    void ShowFragileSpots1Click();
    void ShowDrillHoles1Click();
    void ShadeWaste1Click();
    void BridgeWidth1Click();
    void LeastWidth1Click();
    void BladeKerf1Click();
    void DrillSize1Click();
    // Sets Kern (and with the base bar VPos) so that the letters hold together.
    QAction *ConnectLetters1 = nullptr;
    void ConnectLetters1Click();
    const TStencilSettings &StencilSettings() const { return m_stencil; }
    // The pattern's cut lines as the overlay and the cut-line exports use
    // them, the kerf and the stencil settings applied.
    TFinishedCutLines FinishedCutLines(const TCutLines &built) const;
    const TCutLinesOverlay &CutLinesOverlay() const { return *m_cutLinesOverlay; }

    // --- Extras: hot keys, font viewer, about box, links, sound ----------
    TGlobalHotKey *GlobalHotKey1 = nullptr; // Ctrl+F -> ScrollBar1
    TGlobalHotKey *GlobalHotKey2 = nullptr; // Ctrl+W -> ScrollBar2
    TGlobalHotKey *GlobalHotKey3 = nullptr; // Ctrl+H -> ScrollBar3
    TGlobalHotKey *GlobalHotKey4 = nullptr; // Ctrl+T -> ScrollBar4
    TGlobalHotKey *GlobalHotKey5 = nullptr; // Ctrl+P -> ScrollBar6
    TGlobalHotKey *GlobalHotKey6 = nullptr; // Ctrl+K -> ScrollBar7
    TGlobalHotKey *GlobalHotKey7 = nullptr; // Ctrl+C -> ScrollBar5
    TStarter *Starter1 = nullptr;
    TAboutDlg *AboutDlg1 = nullptr;
    TWaveComp *WaveComp1 = nullptr;
    LinkLabel *LinkLabel1 = nullptr; // "Kerfhaven"
    LinkLabel *LinkLabel2 = nullptr; // "Donation"

    TOpenDialog OpenDialog1;
    TSaveDialog SaveDialog1;
    TFontDialog FontDialog1;

    // --- Print engine and the exports' work image -------------------------
    TPrintEngine *PrintEngine1 = nullptr; // invisible, external preview window
    bool PrintEngineLoaded() const { return m_printEngineLoaded; }
    // The drawing surface behind Image11, kept for the whole run: the brush
    // the last base bar left in it carries over to the next one.
    TWorkImage &WorkImage() { return m_workImage; }

    // --- The pattern ------------------------------------------------------
    // The thirteen values the controls hold.
    PatternSettings Pattern() const;
    // Sets the controls in the order of a pattern file's lines, Base last so
    // that switching it on has the last word on Corners and Text Outline;
    // each control's handler runs when its value really changes.
    void SetPattern(const PatternSettings &pattern);

    // --- Pattern settings handlers ---------------------------------------
    void ScrollBar1Change();
    void ScrollBar2Change();
    void ScrollBar3Change();
    void ScrollBar4Change();
    void ScrollBar5Change();
    void ScrollBar6Change();
    void ScrollBar7Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void Edit1Change();
    void Button5Click(); // Font
    void Button4Click(); // Reset
    void Button6Click(); // Exit
    void FormPaint();

    // --- Menu items that perform their button's command ------------------
    void Font1Click();
    void Reset1Click();
    void Exit1Click();
    void Print1Click();
    void SaveBMP1Click();
    void SavePDF1Click();

    // --- Cut lines: the overlay and the cut-line exports -----------------
    void ShowCutLines1Click();
    void ExportCutLinesPdf1Click();
    void ExportSvg1Click();
    void ExportDxf1Click();
    void PrintCutLines1Click();

    // --- Commands of the files, exports and extras -----------------------
    void Button1Click(); // Print
    void Button2Click(); // Export BMP
    void Button3Click(); // Open
    void Button7Click(); // Font Viewer
    void Button8Click(); // Export PDF
    void Button9Click(); // Save As
    void Open1Click();
    // Open's work after its dialog: reads `path` into the controls. Throws
    // the file's error like every command; callers run it guarded.
    void OpenChosenPatternFile(const QString &path);
    void SaveAs1Click();
    void About2Click();
    void Image2Click();
    void GlobalHotKey1KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void GlobalHotKey2KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void GlobalHotKey3KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void GlobalHotKey4KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void GlobalHotKey5KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void GlobalHotKey6KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);
    void GlobalHotKey7KeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);

signals:
    // The window's own surface finished painting (after FormPaint ran).
    void SurfacePainted();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildWindow();
    void BuildPreviewPanel();
    void BuildStatusStrip();
    void BuildSettingsPanel();
    void BuildCommandPanel();
    void BuildBottomStrip();
    void BuildMenu();
    void BuildCutLinesMenu(QMenuBar &bar);
    void ConnectHandlers();
    void CreateExtras();
    void MoveBaseBarShape();
    // One value of the controls' pattern into the preview, and all of them
    // into the status strip.
    void ShowControlValue(TShownValue value);
    void ShowStatus(const PatternSettings &pattern);
    void OnSurfacePainted();

    bool m_centred = false;

    void CreateCutLines();
    std::unique_ptr<TCutLinesOverlay> m_cutLinesOverlay;

    void CreateStencilChecks();
    void AddStencilItems();
    void CreateConnectLetters();
    // Asks for one of the widths and shows the cut lines with the new one.
    void AskStencilWidth(const TWidthQuestion &question, double TStencilSettings::*width);
    // Switches a mark of the cut lines on or off; the marks are drawn on the
    // cut lines, so asking for one shows those.
    void SwitchCutLineMark(bool TStencilSettings::*mark, const QAction *item);
    // Marks the fragile spots of the cut lines the overlay shows and tells
    // in the preview's tip what they hold; or clears all that.
    void ShowCutLineNotes(const TOverlayCutLines &shown);
    void HideCutLineNotes();
    TStencilSettings m_stencil;
    TSpotOverlay *m_fragileLayer = nullptr; // owned by the preview's panel
    QString m_previewToolTip; // the preview's own, without the cut lines' notes

    void CreatePrintEngine(const PrintEngineLoader *loader);
    bool m_printEngineLoaded = false;
    TWorkImage m_workImage;
};
