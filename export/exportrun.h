#pragma once
// One run of the exporter: reads the inputs, makes every pattern and writes
// it, reports each failure and tells the exit status.

#include "export/exportoptions.h"

#include <QString>

#include <functional>

class TExportRun {
public:
    // Messages go to `report`, one line each (without the line end);
    // `progress`, when set, receives "name N of M" while a list is written.
    using TLineSink = std::function<void(const QString &)>;

    TExportRun(TExportOptions options, TLineSink report, TLineSink progress = {});

    // 0 when every pattern was written, 1 when one or more failed (the others
    // are still written), 2 when the inputs cannot be used.
    int Run();

private:
    TExportOptions m_options;
    TLineSink m_report;
    TLineSink m_progress;
};
