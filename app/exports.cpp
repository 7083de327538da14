#include "exports.h"

#include "render/basebar.h"
#include "render/workimage.h"
#include "render/bmpfile.h"
#include "core/errors.h"
#include "core/safefile.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>


void SaveBitmapFile(const QImage &image, const QString &path)
{
    WriteFileSafely(path, [&image](QIODevice *device) { WriteBmp(image, device); });
}

bool ConfirmExportTarget(TExportWindow &window, const QString &target)
{
    if (!QFileInfo::exists(target))
        return true;
    switch (window.AskOverwrite()) {
    case TOverwriteAnswer::Yes:
        return true;
    case TOverwriteAnswer::No:
        window.ShowFileNotSaved();
        return false;
    case TOverwriteAnswer::Closed:
        // Closing the question is no permission to replace the file.
        return false;
    }
    return false;
}

QString TakeSnapshotInto(TExportWindow &window, TWorkImage &workImage)
{
    const QString snapshot = window.SnapshotPath();
    window.WriteSnapshot(snapshot);
    workImage.LoadFromFile(snapshot);
    return snapshot;
}

void ExportBitmap(TExportWindow &window, TWorkImage &workImage)
{
    TakeSnapshotInto(window, workImage);
    if (window.BaseOn())
        DrawBaseBar(workImage, window.ViewHeight(), Qt::black);

    const QString target = ChooseExportTarget(window, kBmpFilter, kBmpExtension);
    if (target.isEmpty())
        return;

    workImage.SaveToFile(target);
    window.SetCaption(NameWithoutExtension(target, kBmpExtension));
}

QString ChooseExportTarget(TExportWindow &window, const QString &filter, const QString &extension)
{
    const QString chosen = window.AskSaveFileName(filter);
    if (chosen.isEmpty())
        return {};
    const QString target = TargetFileName(chosen, extension);
    return ConfirmExportTarget(window, target) ? target : QString();
}

QString AskExportFileName(TSaveDialog &dialog, const QString &filter)
{
    dialog.setFileName(kUntitledFileName);
    dialog.setFilter(filter);
    return dialog.Execute() ? dialog.FileName() : QString();
}

TOverwriteAnswer AskOverwriteQuestion(TDialogHost &host, const QString &applicationTitle)
{
    TMessageRequest question;
    question.Caption = applicationTitle;
    question.Text = kOverwriteQuestion;
    question.Type = TMsgDlgType::mtCustom;
    question.Buttons = mbYes | mbNo;
    question.DefaultButton = mbYes;
    question.EscapeButton = mbNo;
    switch (host.ShowMessageBox(question)) {
    case mrYes: return TOverwriteAnswer::Yes;
    case mrNo: return TOverwriteAnswer::No;
    default: return TOverwriteAnswer::Closed;
    }
}
