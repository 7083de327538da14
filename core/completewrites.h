#pragma once
// Writers that take a device (QSaveFile, the PDF writer) do not all notice
// a write that is cut short: QSaveFile gets a smaller count back without an
// error (a disk that fills up, a file size limit) and would commit a
// truncated file; the PDF writer ignores the count altogether. Writing
// through this device turns a short write into a failure, keeps the
// system's reason for it, and refuses every write after it.

#include <QIODevice>

#include <functional>
#include <optional>

class CompleteWritesOnly : public QIODevice {
public:
    explicit CompleteWritesOnly(QIODevice &target);
    bool Failed() const { return m_failed; }
    // errno as the failing write left it (0 when the device gave none).
    int FailureErrno() const { return m_errno; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    QIODevice &m_target;
    bool m_failed = false;
    int m_errno = 0;
};

// Lets `writeContent` write `target` through CompleteWritesOnly. A writer
// that gave up because a write failed is taken at the failure's word: the
// errno of the failed write comes back (0 when the device gave none), and
// nothing when every write was complete. Anything else the writer throws
// goes on.
std::optional<int> WriteCompletely(QIODevice &target, const std::function<void(QIODevice *)> &writeContent);
