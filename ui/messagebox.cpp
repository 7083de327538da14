#include "ui/messagebox.h"

namespace {
constexpr QChar kFullStop = u'.';
}

bool AskYesNo(TDialogHost &host, const QString &caption, const QString &text, TMsgDlgType type)
{
    TMessageRequest request;
    request.Caption = caption;
    request.Text = text;
    request.Type = type;
    request.Buttons = mbYes | mbNo;
    request.DefaultButton = mbYes;
    request.EscapeButton = mbNo;
    return host.ShowMessageBox(request) == mrYes;
}

void ShowMessage(TDialogHost &host, const QString &caption, const QString &text)
{
    TMessageRequest request;
    request.Caption = caption;
    request.Text = text;
    request.Type = TMsgDlgType::mtCustom;
    host.ShowMessageBox(request);
}

void ShowErrorBox(TDialogHost &host, const QString &caption, const QString &message)
{
    TMessageRequest request;
    request.Caption = caption;
    request.Text = ErrorBoxText(message);
    request.Type = TMsgDlgType::mtError;
    host.ShowMessageBox(request);
}

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > kFullStop)
        return message + kFullStop;
    return message;
}
