#include "ui/qtdialoghost.h"

#include "ui/dialogs.h"
#include "ui/fontpicker.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPrintDialog>

namespace {
QMessageBox::Icon IconFor(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton QtButton(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes: return QMessageBox::Yes;
    case mbNo: return QMessageBox::No;
    case mbOK: return QMessageBox::Ok;
    case mbCancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

TModalResult ResultFor(int clicked)
{
    switch (clicked) {
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Cancel: return mrCancel;
    default: return mrNone;
    }
}

// Notices when the window manager's close box closes a message box. Qt treats
// that like Escape, but the commands tell the two apart: Escape answers No,
// the close box gives no answer at all.
class CloseBoxWatcher : public QObject {
public:
    bool closedByCloseBox() const { return m_closed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous())
            m_closed = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_closed = false;
};
} // namespace

TModalResult TQtDialogHost::ShowMessageBox(const TMessageRequest &request)
{
    QMessageBox box(IconFor(request.Type), request.Caption, request.Text, QMessageBox::NoButton, m_owner);
    for (TMsgDlgBtn button : {mbYes, mbNo, mbOK, mbCancel}) {
        if (request.Buttons & button)
            box.addButton(QtButton(button));
    }
    box.setDefaultButton(QtButton(request.DefaultButton));
    // Escape gives the escape button's answer; the close box gives none. So a
    // closed question never counts as Yes.
    box.setEscapeButton(box.button(QtButton(request.EscapeButton)));
    CloseBoxWatcher watcher;
    box.installEventFilter(&watcher);
    const TModalResult result = ResultFor(box.exec());
    return watcher.closedByCloseBox() ? mrNone : result;
}

bool TQtDialogHost::ExecuteInputQuery(TInputRequest &request)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_owner, request.Caption, request.Prompt, QLineEdit::Normal, request.Value, &ok);
    if (ok)
        request.Value = answer;
    return ok;
}

bool TQtDialogHost::ExecuteFileDialog(TFileDialogRequest &request)
{
    const bool save = request.Kind == TFileDialogKind::Save;
    QFileDialog dialog(m_owner, request.Title, request.InitialDir, QtFileFilter(request.Filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The commands add their own extension and ask their own question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString());
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    request.FileName = dialog.selectedFiles().constFirst();
    return true;
}

bool TQtDialogHost::ExecuteFontDialog(TFont &font)
{
    TFontPickerDialog dialog(font, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.StoreChoice(font);
    return true;
}

bool TQtDialogHost::ExecutePrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_owner);
    // The caller fixes the paper; a paper page here would offer a choice the
    // print does not take.
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
    return dialog.exec() == QDialog::Accepted;
}
