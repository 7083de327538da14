// Save As and Open: the window's pattern file commands. Both read and set the
// pattern only through the window's controls, so an opened file runs the
// same handlers and cascades as the user's own changes would.

#include "app/fretcard1.h"

#include "patternfile/patternfile.h"
#include "app/programfolders.h"
#include "ui/messagebox.h"

#include <QDir>
#include <QFileInfo>

namespace {

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
    const PatternSettings pattern = Pattern();
    if (QFileInfo::exists(target) && !ConfirmOverwrite(*m_host, m_guard.ApplicationTitle(), target))
        return;
    SavePatternFile(target, pattern);
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
    SetPattern(LoadPatternFile(path, Pattern()));
}

void TForm1::Open1Click()
{
    Button3Click();
}
