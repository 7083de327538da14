// Save As and Open: the window's pattern file commands. Both read and set the
// pattern only through the window's controls, so an opened file runs the
// same handlers and cascades as the user's own changes would.

#include "app/fretcard1.h"

#include "patternfile/patternfile.h"
#include "app/programfolders.h"
#include "render/shapecontrol.h"
#include "ui/messagebox.h"
#include "ui/scrollbar.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <cstddef>
#include <iterator>

namespace {

// Open's view of the window: each value goes into its control, whose change
// handler then updates the preview, the status strip and dependent controls.
class TFormPatternControls final : public PatternControls {
public:
    explicit TFormPatternControls(TForm1 &form) : m_form(form) {}

    void SetScrollBarPosition(int number, int position) override { Bar(number).setPosition(position); }
    void SetCheckBoxChecked(int number, bool checked) override { Box(number).setChecked(checked); }
    void SetFontName(const QString &face) override { m_form.PatternView()->Caption()->Font()->setName(face); }
    void SetText(const QString &text) override { m_form.Edit1->setText(text); }

private:
    TScrollBar &Bar(int number) const
    {
        TScrollBar *const bars[] = {m_form.ScrollBar1, m_form.ScrollBar2, m_form.ScrollBar3, m_form.ScrollBar4,
                                    m_form.ScrollBar5, m_form.ScrollBar6, m_form.ScrollBar7};
        return *bars[Index(number, std::size(bars))];
    }

    QCheckBox &Box(int number) const
    {
        QCheckBox *const boxes[] = {m_form.CheckBox1, m_form.CheckBox2, m_form.CheckBox3, m_form.CheckBox4};
        return *boxes[Index(number, std::size(boxes))];
    }

    // Controls are numbered from 1, as their names are.
    static std::size_t Index(int number, std::size_t count)
    {
        Q_ASSERT(number >= 1 && std::size_t(number) <= count);
        return std::size_t(number - 1);
    }

    TForm1 &m_form;
};

PatternSettings PatternSettingsOf(const TForm1 &form)
{
    PatternSettings settings;
    settings.FontSize = form.ScrollBar1->Position();
    settings.BlankWidth = form.ScrollBar2->Position();
    settings.BlankHeight = form.ScrollBar3->Position();
    settings.VPos = form.ScrollBar4->Position();
    settings.HPos = form.ScrollBar6->Position();
    settings.Kern = form.ScrollBar7->Position();
    settings.Corners = form.ScrollBar5->Position();
    settings.Multiline = form.CheckBox1->isChecked();
    settings.TextOutline = form.CheckBox2->isChecked();
    settings.PageOutline = form.CheckBox4->isChecked();
    settings.Base = form.CheckBox3->isChecked();
    settings.FontName = form.PatternView()->Caption()->Font()->Name();
    settings.Text = form.Edit1->text();
    return settings;
}

// Both dialogs start in the program's folder, and so does the process, so
// that a name typed without a folder lands there too.
QString EnterProgramFolder()
{
    const QString folder = ProgramFolder();
    // Should the folder be out of reach, the dialog still opens on it and the
    // chosen file carries its full path, so nothing depends on this.
    QDir::setCurrent(folder);
    return folder;
}

// True only on an explicit Yes. No says so ("File not saved"); closing the
// question by its close box declines without a further notice.
bool ConfirmOverwrite(TDialogHost &host, const QString &title, const QString &target)
{
    TMessageRequest question;
    question.Caption = title;
    question.Text = OverwriteQuestion(target);
    question.Type = TMsgDlgType::mtCustom;
    question.Buttons = mbYes | mbNo;
    question.DefaultButton = mbYes;
    question.EscapeButton = mbNo;
    switch (host.ShowMessageBox(question)) {
    case mrYes:
        return true;
    case mrNo:
        ShowMessage(host, title, QString::fromLatin1(PatternFile::kFileNotSavedMessage));
        return false;
    default:
        return false;
    }
}

} // namespace

void TForm1::Button9Click()
{
    const QString folder = EnterProgramFolder();
    SaveDialog1.setFilter(QString::fromLatin1(PatternFile::kSaveDialogFilter));
    SaveDialog1.setInitialDir(folder);
    SaveDialog1.setTitle(QString::fromLatin1(PatternFile::kSaveDialogTitle));
    SaveDialog1.setFileName(QString::fromLatin1(PatternFile::kSaveDialogFileName));
    if (!SaveDialog1.Execute())
        return;

    const QString target = QFileInfo(PatternTargetFileName(SaveDialog1.FileName())).absoluteFilePath();
    const PatternSettings settings = PatternSettingsOf(*this);
    if (QFileInfo::exists(target) && !ConfirmOverwrite(*m_host, m_guard.ApplicationTitle(), target))
        return;
    SavePatternFile(target, settings);
}

void TForm1::SaveAs1Click()
{
    Button9Click();
}

void TForm1::Button3Click()
{
    OpenDialog1.setInitialDir(EnterProgramFolder());
    OpenDialog1.setFilter(QString::fromLatin1(PatternFile::kOpenDialogFilter));
    // The file name box keeps the file last chosen in it.
    if (!OpenDialog1.Execute())
        return;

    OpenChosenPatternFile(OpenDialog1.FileName());
}

void TForm1::OpenChosenPatternFile(const QString &path)
{
    TFormPatternControls controls(*this);
    OpenPatternFile(path, controls);
}

void TForm1::Open1Click()
{
    Button3Click();
}
