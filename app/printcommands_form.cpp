// The main window's print engine component and its Print and Export PDF
// commands.

#include "app/exports_form.h"
#include "app/fretcard1.h"
#include "app/printcommands.h"
#include "printengine/printenginecomponent.h"
#include "printengine/printengineloader.h"
#include "ui/picture.h"

#include <QCloseEvent>
#include <QPushButton>

namespace {
// The table of a library that never loaded: every entry empty. The
// component refers to it for the window's whole life, so it must outlive
// every window; it is never written.
const EngineTable &NoEngineTable()
{
    static const EngineTable empty;
    return empty;
}
} // namespace

void TForm1::CreatePrintEngine(const PrintEngineLoader *loader)
{
    m_printEngineLoaded = loader && loader->Loaded();
    PrintEngine1 = new TPrintEngine(loader ? loader->Table() : NoEngineTable(), this);
    LoadPrintEngine1Layout(*PrintEngine1);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    // The preview is a window of its own and would keep the program running
    // after the main window went; closing its document through the engine
    // closes it too, so the program ends with its window.
    PrintEngine1->CloseDoc();
}

void TForm1::Button1Click()
{
    TFormExportWindow window(*this);
    TEngineDocument document(*PrintEngine1, m_printEngineLoaded);
    PrintPattern(window, m_workImage, document);
    Image11->setPicture(m_workImage.Picture());
}

void TForm1::Button8Click()
{
    TFormExportWindow window(*this);
    TEngineDocument document(*PrintEngine1, m_printEngineLoaded);
    ExportPdf(window, m_workImage, document);
    Image11->setPicture(m_workImage.Picture());
}
