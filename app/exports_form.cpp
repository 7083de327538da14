// The main window's side of the exports: its controls, dialogs and caption
// seen through the export commands' window interface.

#include "app/exports_form.h"

#include "app/fretcard1.h"
#include "app/programfolders.h"
#include "render/workimage.h"
#include "render/caption.h"
#include "render/colors.h"
#include "render/font.h"
#include "render/shapecontrol.h"
#include "ui/messagebox.h"
#include "ui/picture.h"

#include <QCheckBox>

QString TFormExportWindow::SnapshotPath() const { return SnapshotFilePath(); }

void TFormExportWindow::WriteSnapshot(const QString &path) { m_form.PatternView()->SaveToBitmapFile(path); }

int TFormExportWindow::ViewHeight() const { return m_form.PatternView()->Height(); }

bool TFormExportWindow::BaseOn() const { return m_form.CheckBox3->isChecked(); }

bool TFormExportWindow::PageOutlineOn() const { return m_form.CheckBox4->isChecked(); }

QColor TFormExportWindow::TextColor() const
{
    return ColorToQColor(m_form.PatternView()->Caption()->Font()->Color());
}

// The frame's corner, as the window's Left and Top give it.
QPoint TFormExportWindow::WindowPosition() const { return m_form.pos(); }

QString TFormExportWindow::AskSaveFileName(const QString &filter)
{
    return AskExportFileName(m_form.SaveDialog1, filter);
}

TOverwriteAnswer TFormExportWindow::AskOverwrite()
{
    return AskOverwriteQuestion(m_form.DialogHost(), m_form.Guard().ApplicationTitle());
}

void TFormExportWindow::ShowFileNotSaved()
{
    ShowMessage(m_form.DialogHost(), m_form.Guard().ApplicationTitle(), kFileNotSaved);
}

void TFormExportWindow::SetCaption(const QString &caption) { m_form.setWindowTitle(caption); }

void TForm1::Button2Click()
{
    TFormExportWindow window(*this);
    ExportBitmap(window, WorkImage());
    // The hidden picture control shows what was last exported.
    Image11->setPicture(WorkImage().Picture());
}
