#include "scripteddialoghost.h"

#include <gtest/gtest.h>

TModalResult TScriptedDialogHost::ShowMessageBox(const TMessageRequest &request)
{
    Messages.push_back(request);
    Log << QStringLiteral("message:%1:%2").arg(request.Caption, request.Text);
    if (m_messageAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << request.Text.toStdString();
        return mrNone;
    }
    const TModalResult answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
}

bool TScriptedDialogHost::ExecuteInputQuery(TInputRequest &request)
{
    Inputs.push_back(request);
    Log << QStringLiteral("input:%1").arg(request.Caption);
    if (m_inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box: " << request.Caption.toStdString();
        return false;
    }
    const QString answer = m_inputAnswers.front();
    m_inputAnswers.pop_front();
    if (answer.isNull())
        return false;
    request.Value = answer;
    return true;
}

bool TScriptedDialogHost::ExecuteFileDialog(TFileDialogRequest &request)
{
    FileDialogs.push_back(request);
    Log << QStringLiteral("file:%1").arg(request.Title);
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.Title.toStdString();
        return false;
    }
    const QString answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (answer.isEmpty())
        return false;
    request.FileName = answer;
    return true;
}

bool TScriptedDialogHost::ExecuteFontDialog(TFont &font)
{
    ++FontDialogCount;
    Log << QStringLiteral("font");
    if (m_fontAnswers.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    }
    const FontAnswer answer = std::move(m_fontAnswers.front());
    m_fontAnswers.pop_front();
    return answer(font);
}

bool TScriptedDialogHost::ExecutePrintDialog(QPrinter &printer)
{
    Log << QStringLiteral("print");
    if (m_printAnswers.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const PrintAnswer answer = std::move(m_printAnswers.front());
    m_printAnswers.pop_front();
    return answer(printer);
}
