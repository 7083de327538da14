#pragma once
// The program's message boxes, built on the dialog host so that tests can
// answer them.

#include "ui/dialoghost.h"

// A question with Yes (the default) and No. Escape and the close box answer
// No: nothing is ever overwritten or reset without an explicit Yes.
bool AskYesNo(TDialogHost &host, const QString &caption, const QString &text,
              TMsgDlgType type = TMsgDlgType::mtCustom);

// A notice with one OK button and no icon.
void ShowMessage(TDialogHost &host, const QString &caption, const QString &text);

// The standard error box: error icon, one OK button.
void ShowErrorBox(TDialogHost &host, const QString &caption, const QString &message);

// The message as the error box shows it: a full stop is added when the last
// character sorts after the full stop, as letters and digits do, so a message
// that already ends in "." or in a bracket or quote keeps its ending.
QString ErrorBoxText(const QString &message);
