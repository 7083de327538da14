#pragma once
// Cut lines read back from DXF files by ezdxf and checked with shapely
// (support/cutlines_check.py), from the tests of every folder.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace cutcheck {

constexpr double kPixelsPerInch = 96.0;

inline QString Inches(double pixels) { return QString::number(pixels / kPixelsPerInch, 'g', 12); }

// Whether the checker can run here: Debian's interpreter with its modules.
inline bool Available()
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import ezdxf, shapely")});
    return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
}

// The checker's answer; empty when it failed, with its errors in `errors`.
inline QJsonObject Run(const QStringList &arguments, QString *errors = nullptr)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(FRETCARD_CUTLINES_CHECK)} + arguments);
    python.waitForFinished(300000);
    if (errors)
        *errors = QString::fromUtf8(python.readAllStandardError());
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// "rings FILE KERF": rings, invalid, small, touching, near, area.
inline QJsonObject Rings(const QString &dxf, double kerfPixels)
{
    return Run({QStringLiteral("rings"), dxf, Inches(kerfPixels)});
}

} // namespace cutcheck
