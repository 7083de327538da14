#pragma once
// The program's dialog host: real Qt message boxes, file dialogs and the
// font dialog, owned by the window that asks.

#include "ui/dialoghost.h"

class QWidget;

class TQtDialogHost : public TDialogHost {
public:
    explicit TQtDialogHost(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    TModalResult ShowMessageBox(const TMessageRequest &request) override;
    bool ExecuteInputQuery(TInputRequest &request) override;
    bool ExecuteFileDialog(TFileDialogRequest &request) override;
    bool ExecuteFontDialog(TFont &font) override;
    bool ExecutePrintDialog(QPrinter &printer) override;

private:
    QWidget *m_owner;
};
