#pragma once
// Where an installed program keeps its own libraries and helper programs:
// a private folder beside its bin/ folder (lib/fretcard), out of the
// system's library search and off the search path. A build keeps them all in
// the program's own folder instead, so callers look there first.

#include <QString>

// The private folder of a program whose executable lies in `programFolder`.
QString PrivateProgramFolder(const QString &programFolder);
