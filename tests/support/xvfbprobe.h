#pragma once
// Runs some of this test program's own tests again on a fresh X server of
// their own (xvfb-run, the xcb platform), where window-system behaviour is
// real. The probe tests skip unless `probeVariable` is set.

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>

#include <optional>

struct TXvfbProbeRun {
    bool finished = false;
    int exitCode = -1;
    QString output; // standard output and error together
};

// Nothing when xvfb-run is not installed.
inline std::optional<TXvfbProbeRun> RunProbeOnXvfb(const char *probeVariable, const QString &screen,
                                                   const QString &gtestFilter)
{
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        return std::nullopt;
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(probeVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("-s"), screen, QCoreApplication::applicationFilePath(),
                          QStringLiteral("--gtest_filter=") + gtestFilter});
    constexpr int kProbeTimeoutMs = 120000;
    TXvfbProbeRun run;
    run.finished = probe.waitForFinished(kProbeTimeoutMs);
    run.exitCode = probe.exitCode();
    run.output = QString::fromLocal8Bit(probe.readAll());
    return run;
}
