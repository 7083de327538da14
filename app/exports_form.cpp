// The main window's side of the exports: its controls, dialogs and caption
// seen through the export commands' window interface.

#include "app/exports.h"
#include "app/fretcard1.h"
#include "app/programfolders.h"
#include "app/workimage.h"
#include "render/caption.h"
#include "render/colors.h"
#include "render/font.h"
#include "render/shapecontrol.h"
#include "ui/messagebox.h"
#include "ui/picture.h"

#include <QCheckBox>

namespace {
class TFormExportWindow : public TExportWindow {
public:
    explicit TFormExportWindow(TForm1 &form) : m_form(form) {}

    QString SnapshotPath() const override { return SnapshotFilePath(); }
    void WriteSnapshot(const QString &path) override { m_form.PatternView()->SaveToBitmapFile(path); }
    int ViewHeight() const override { return m_form.PatternView()->Height(); }
    bool BaseOn() const override { return m_form.CheckBox3->isChecked(); }
    bool PageOutlineOn() const override { return m_form.CheckBox4->isChecked(); }
    QColor TextColor() const override
    {
        return ColorToQColor(m_form.PatternView()->Caption()->Font()->Color());
    }
    QPoint WindowPosition() const override { return m_form.pos(); }
    QString AskSaveFileName(const QString &filter) override
    {
        return AskExportFileName(m_form.SaveDialog1, filter);
    }
    TOverwriteAnswer AskOverwrite() override
    {
        return AskOverwriteQuestion(m_form.DialogHost(), m_form.Guard().ApplicationTitle());
    }
    void ShowFileNotSaved() override
    {
        ShowMessage(m_form.DialogHost(), m_form.Guard().ApplicationTitle(), kFileNotSaved);
    }
    void SetCaption(const QString &caption) override { m_form.setWindowTitle(caption); }

private:
    TForm1 &m_form;
};
} // namespace

void TForm1::Button2Click()
{
    TFormExportWindow window(*this);
    TWorkImage workImage;
    ExportBitmap(window, workImage);
    // The hidden picture control shows what was last exported.
    Image11->setPicture(workImage.Picture());
}
