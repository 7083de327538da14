#include "exports.h"

#include "app/basebar.h"
#include "app/workimage.h"
#include "render/bmpfile.h"
#include "render/errors.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cerrno>

QString NameWithoutExtension(const QString &chosen, const QString &extension)
{
    if (chosen.endsWith(extension, Qt::CaseSensitive))
        return chosen.left(chosen.size() - extension.size());
    return chosen;
}

QString ExportTargetName(const QString &chosen, const QString &extension)
{
    return NameWithoutExtension(chosen, extension) + extension;
}

namespace {
// QSaveFile passes a short write (a disk that fills up, a file size limit)
// back as a smaller count without setting an error, and would then commit a
// truncated file. Every write goes through this device, which turns a short
// write into a failure and keeps the system's reason for it.
class CompleteWritesOnly : public QIODevice {
public:
    explicit CompleteWritesOnly(QFileDevice &target) : m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool Failed() const { return m_failed; }
    int FailureErrno() const { return m_errno; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_failed)
            return -1;
        errno = 0;
        const qint64 written = m_target.write(data, length);
        if (written == length)
            return written;
        m_failed = true;
        m_errno = errno;
        return -1;
    }

private:
    QFileDevice &m_target;
    bool m_failed = false;
    int m_errno = 0;
};

// QSaveFile replaces a file by renaming over it, which would also replace a
// file the user may not write to (read-only, or a folder in its place). Such
// a target must fail the way opening it for writing fails.
bool ExistingTargetRefusesWriting(const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists())
        return false;
    return target.isDir() || !target.isWritable();
}
} // namespace

void WriteFileSafely(const QString &path, const std::function<void(QIODevice *)> &writeContent)
{
    if (ExistingTargetRefusesWriting(path))
        FileError::RaiseCannotCreate(path);

    // Unbuffered, so that every short write shows at the write that made it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        FileError::RaiseCannotCreate(path);

    CompleteWritesOnly checked(file);
    writeContent(&checked);
    if (checked.Failed()) {
        file.cancelWriting();
        FileError::RaiseFromDevice(file, checked.FailureErrno());
    }
    errno = 0;
    if (!file.commit()) {
        const int commitErrno = errno;
        if (file.error() == QFileDevice::RenameError)
            FileError::RaiseCannotCreate(path);
        FileError::RaiseFromDevice(file, commitErrno);
    }
}

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

    const QString chosen = window.AskSaveFileName(kBmpFilter);
    if (chosen.isEmpty())
        return;
    const QString name = NameWithoutExtension(chosen, kBmpExtension);
    const QString target = name + kBmpExtension;
    if (!ConfirmExportTarget(window, target))
        return;

    workImage.SaveToFile(target);
    window.SetCaption(name);
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
