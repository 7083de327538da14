#pragma once
// The main window seen through the export commands' window interface: its
// pattern view, switches, dialogs and caption.

#include "app/exports.h"

class TForm1;

class TFormExportWindow : public TExportWindow {
public:
    explicit TFormExportWindow(TForm1 &form) : m_form(form) {}

    QString SnapshotPath() const override;
    void WriteSnapshot(const QString &path) override;
    int ViewHeight() const override;
    bool BaseOn() const override;
    bool PageOutlineOn() const override;
    QColor TextColor() const override;
    QPoint WindowPosition() const override;
    QString AskSaveFileName(const QString &filter) override;
    TOverwriteAnswer AskOverwrite() override;
    void ShowFileNotSaved() override;
    void SetCaption(const QString &caption) override;

private:
    TForm1 &m_form;
};
