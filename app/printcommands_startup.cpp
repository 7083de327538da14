#include "app/printcommands_startup.h"

#include "printengine/printengineloader.h"
#include "ui/dialoghost.h"

bool LoadPrintEngineAtStartup(PrintEngineLoader &loader, const QString &programFolder, TDialogHost &host,
                              const QString &libraryName)
{
    if (const auto failure = loader.Load(programFolder, libraryName)) {
        TMessageRequest message;
        message.Caption = failure->caption;
        message.Text = failure->text;
        message.Type = failure->errorIcon ? TMsgDlgType::mtError : TMsgDlgType::mtCustom;
        message.Buttons = mbOK;
        host.ShowMessageBox(message);
    }
    return loader.Loaded();
}
