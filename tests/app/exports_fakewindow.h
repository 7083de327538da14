#pragma once
// A main window stand-in for the export commands: writes a known pattern as
// the snapshot, answers the dialogs from a script and logs every step.

#include "app/exports.h"

#include <QImage>
#include <QStringList>
#include <deque>

class TFakeExportWindow : public TExportWindow {
public:
    explicit TFakeExportWindow(QString folder, QStringList *log)
        : m_folder(std::move(folder)), m_log(log)
    {
    }

    QImage pattern = DefaultPattern(960, 144);
    bool base = false;
    bool pageOutline = true;
    QColor textColor = Qt::black;
    QPoint position{100, 50};
    // Answers, in order; an empty file name cancels the dialog.
    std::deque<QString> fileNames;
    std::deque<TOverwriteAnswer> overwriteAnswers;
    QString caption = QStringLiteral("Kerfhaven Fretcard Printer V1.7");
    QStringList filtersAsked;

    static QImage DefaultPattern(int width, int height);

    QString SnapshotPath() const override { return m_folder + "/xyz.bmp"; }
    void WriteSnapshot(const QString &path) override;
    int ViewHeight() const override { return pattern.height(); }
    bool BaseOn() const override { return base; }
    bool PageOutlineOn() const override { return pageOutline; }
    QColor TextColor() const override { return textColor; }
    QPoint WindowPosition() const override { return position; }
    QString AskSaveFileName(const QString &filter) override;
    TOverwriteAnswer AskOverwrite() override;
    void ShowFileNotSaved() override { m_log->append("message File not saved!"); }
    void SetCaption(const QString &text) override { caption = text; }

private:
    QString m_folder;
    QStringList *m_log;
};
