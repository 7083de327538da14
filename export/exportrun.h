#pragma once
// One run of the exporter: reads the inputs, makes every pattern and writes
// it, reports each failure and tells the exit status.

#include "export/exportoptions.h"

#include <QString>

#include <functional>

// What a run wrote, for the closing summary.
struct TRunTally {
    int written = 0;          // files
    int withFragileSpots = 0; // of those, the files with fragile spots
    int failed = 0;           // patterns or files not written
};

// "Wrote 30 files; 2 have fragile spots; 1 failed."
QString SummaryText(const TRunTally &tally);

class TExportRun {
public:
    // Messages go to `report`, one line each (without the line end);
    // `progress`, when set, receives "name N of M" while a list is written.
    using TLineSink = std::function<void(const QString &)>;

    TExportRun(TExportOptions options, TLineSink report, TLineSink progress = {});

    // 0 when every pattern was written, 1 when one or more failed (the others
    // are still written), 2 when the inputs cannot be used.
    int Run();

    // What the last Run wrote.
    const TRunTally &Tally() const { return m_tally; }

private:
    TExportOptions m_options;
    TLineSink m_report;
    TLineSink m_progress;
    TRunTally m_tally;
};
