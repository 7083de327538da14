#pragma once
// Every handler the toolkit invokes runs inside a guard: a failure ends the
// command, is shown in the standard error box, and never reaches Qt's event
// loop, so the program keeps running.

#include "ui/dialoghost.h"

#include <QString>
#include <exception>
#include <functional>

class TCommandGuard {
public:
    TCommandGuard(TDialogHost &host, QString applicationTitle);

    // Runs `command`; returns false when it failed (the error box was shown).
    bool Run(const std::function<void()> &command) noexcept;

    // A callable for signal connections that runs `command` guarded.
    template <class Command>
    auto Guarded(Command command)
    {
        return [this, command]() { Run(command); };
    }

    const QString &ApplicationTitle() const { return m_title; }
    TDialogHost &Host() const { return m_host; }

private:
    void Report(const QString &message) noexcept;

    TDialogHost &m_host;
    QString m_title;
};

// The user-visible text of the exception in `error`.
QString ExceptionMessage(const std::exception_ptr &error);
