#!/usr/bin/env bash
# Fuzzes the cut lines for 60 seconds on a copy of their seed corpus: random
# texts, faces, kerfs, bridges and base bars. Any crash, sanitizer report or
# cut line a blade cannot follow fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
exec fuzz/run.sh cutlines fuzz/cutlines_corpus 64
