#!/usr/bin/env bash
# Fuzzes the cut lines for 60 seconds on a copy of their seed corpus: random
# texts, faces, kerfs, bridges and base bars. Any crash, sanitizer report or
# cut line a blade cannot follow fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."

fuzzer="$(fuzz/build.sh build-fuzz cutlines | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r fuzz/cutlines_corpus "$work/corpus"
mkdir -p "$work/artifacts"

# Fontconfig and the graphics stack keep what they load for the process's life.
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  "$fuzzer" "$work/corpus" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=64 -timeout=30 -rss_limit_mb=2048 \
  -artifact_prefix="$work/artifacts/" -print_final_stats=1

if [ -n "$(ls -A "$work/artifacts")" ]; then
  echo "fuzzer left findings:" >&2
  ls -l "$work/artifacts" >&2
  exit 1
fi
