#!/usr/bin/env bash
# Builds a fuzzer and runs it for FUZZ_SECONDS (default 60) on a copy of its
# seed corpus; any crash, sanitizer report or broken promise it checks fails
# the run, with the findings listed.
# Usage: fuzz/run.sh TARGET SEED_FOLDER MAX_INPUT_BYTES   (targets: see build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
target="$1" seeds="$2" max_len="$3"

fuzzer="$(fuzz/build.sh build-fuzz "$target" | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$seeds" "$work/corpus"
mkdir -p "$work/artifacts"

# Fontconfig and the graphics stack keep what they load for the process's life.
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  "$fuzzer" "$work/corpus" -max_total_time="${FUZZ_SECONDS:-60}" -max_len="$max_len" -timeout=30 -rss_limit_mb=2048 \
  -artifact_prefix="$work/artifacts/" -print_final_stats=1

if [ -n "$(ls -A "$work/artifacts")" ]; then
  echo "fuzzer left findings:" >&2
  ls -l "$work/artifacts" >&2
  exit 1
fi
