#pragma once
// A dialog host for tests: answers come from a script queued by the test, and
// every request is recorded in the order it was made. A request with no
// answer queued fails the test and is answered like a cancelled dialog.

#include "ui/dialoghost.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class TScriptedDialogHost : public TDialogHost {
public:
    using FontAnswer = std::function<bool(TFont &font)>;

    void QueueMessageAnswer(TModalResult answer) { m_messageAnswers.push_back(answer); }
    // The text typed into the next input box, then OK; a null string: Cancel.
    void QueueInputAnswer(const QString &typed) { m_inputAnswers.push_back(typed); }
    void QueueFileName(const QString &fullPath) { m_fileAnswers.push_back(fullPath); }
    void QueueFileCancel() { m_fileAnswers.push_back(QString()); }
    // The answer sees the font the dialog opens on, may change it, and returns
    // true for OK. It may also throw, as a failing dialog would.
    void QueueFontAnswer(FontAnswer answer) { m_fontAnswers.push_back(std::move(answer)); }
    // The answer sees the preset printer, may change it (print to a file),
    // and returns true for Print.
    using PrintAnswer = std::function<bool(QPrinter &printer)>;
    void QueuePrintAnswer(PrintAnswer answer) { m_printAnswers.push_back(std::move(answer)); }

    TModalResult ShowMessageBox(const TMessageRequest &request) override;
    bool ExecuteInputQuery(TInputRequest &request) override;
    bool ExecuteFileDialog(TFileDialogRequest &request) override;
    bool ExecuteFontDialog(TFont &font) override;
    bool ExecutePrintDialog(QPrinter &printer) override;

    std::vector<TMessageRequest> Messages;
    std::vector<TInputRequest> Inputs; // as asked, before the answer
    std::vector<TFileDialogRequest> FileDialogs;
    int FontDialogCount = 0;
    // "message:<caption>:<text>", "input:<caption>", "file:<title>", "font", "print" in the order asked.
    QStringList Log;

    bool AllAnswersUsed() const
    {
        return m_messageAnswers.empty() && m_inputAnswers.empty() && m_fileAnswers.empty() &&
               m_fontAnswers.empty() && m_printAnswers.empty();
    }

private:
    std::deque<TModalResult> m_messageAnswers;
    std::deque<QString> m_inputAnswers;
    std::deque<QString> m_fileAnswers; // empty string: Cancel
    std::deque<FontAnswer> m_fontAnswers;
    std::deque<PrintAnswer> m_printAnswers;
};
