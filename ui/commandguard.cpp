#include "ui/commandguard.h"

#include "core/errors.h"
#include "ui/messagebox.h"

#include <QtGlobal>
#include <new>
#include <utility>

TCommandGuard::TCommandGuard(TDialogHost &host, QString applicationTitle)
    : m_host(host), m_title(std::move(applicationTitle))
{
}

bool TCommandGuard::Run(const std::function<void()> &command) noexcept
{
    try {
        command();
        return true;
    } catch (...) {
        Report(ExceptionMessage(std::current_exception()));
        return false;
    }
}

void TCommandGuard::Report(const QString &message) noexcept
{
    try {
        ShowErrorBox(m_host, m_title, message);
    } catch (...) {
        // The box itself failed (out of memory, most likely): the message must
        // still go somewhere rather than vanish.
        qWarning("%s: %s", qPrintable(m_title), qPrintable(message));
    }
}

QString ExceptionMessage(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EFretcardError &e) {
        return e.message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("An unexpected error occurred");
    }
}
