#pragma once
// Running the built exporter and the peer readers it is checked with.

#include "export/exportoptions.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace exporttest {

struct TRunResult {
    int exitCode = -1;
    QByteArray outputBytes; // standard output as written
    QString output;
    QString errors;
};

// The message the option reader refuses `arguments` with, or "<accepted>".
inline QString Refusal(const QStringList &arguments)
{
    const TParsedArguments parsed = ParseExportArguments(QStringList{QStringLiteral("fretcard-export")} + arguments);
    return parsed.action == TParsedArguments::TAction::Refuse ? parsed.message : QStringLiteral("<accepted>");
}

// Runs the program with `input` on its standard input.
inline TRunResult RunExporter(const QStringList &arguments, const QByteArray &input = {}, int timeoutMs = 120000)
{
    QProcess process;
    // Standard error is a pipe here, never a terminal: no progress lines.
    process.start(QStringLiteral(FRETCARD_EXPORT_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(timeoutMs);
    TRunResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.outputBytes = process.readAllStandardOutput();
    result.output = QString::fromUtf8(result.outputBytes);
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

inline QString RunTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool HaveTools(const QStringList &tools)
{
    for (const QString &tool : tools)
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return false;
    return true;
}

// "Pages:" and "Page size:" as pdfinfo tells them.
inline int PageCount(const QString &pdf)
{
    for (const QString &line : RunTool("pdfinfo", {pdf}).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

inline QString PageSize(const QString &pdf)
{
    for (const QString &line : RunTool("pdfinfo", {pdf}).split('\n'))
        if (line.startsWith("Page size:"))
            return line.mid(10).trimmed();
    return {};
}

// Page `page` (from 1) rendered aliased at 96 DPI, as a screen shows it at 1:1.
inline QImage RenderPage(const QString &pdf, int page, const QString &stem)
{
    RunTool("pdftoppm", {"-r", "96", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", "-f",
                         QString::number(page), "-l", QString::number(page), pdf, stem});
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

// The first image stored in the PDF, as pdfimages extracts it.
inline QImage StoredImage(const QString &pdf, const QString &stem)
{
    RunTool("pdfimages", {"-png", "-f", "1", "-l", "1", pdf, stem});
    return QImage(stem + "-000.png").convertToFormat(QImage::Format_RGB32);
}

} // namespace exporttest
