#!/usr/bin/env bash
# Fuzzes the pattern file reader for 60 seconds on a copy of the seed corpus;
# any crash, sanitizer report or broken round trip fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
exec fuzz/run.sh patternfile fuzz/corpus 4096
