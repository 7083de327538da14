#!/usr/bin/env bash
# Fuzzes the pattern file reader for 60 seconds on a copy of the seed corpus;
# any crash, sanitizer report or broken round trip fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."

fuzzer="$(fuzz/build.sh build-fuzz | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r fuzz/corpus "$work/corpus"
mkdir -p "$work/artifacts"

"$fuzzer" "$work/corpus" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/artifacts/" -print_final_stats=1

if [ -n "$(ls -A "$work/artifacts")" ]; then
  echo "fuzzer left findings:" >&2
  ls -l "$work/artifacts" >&2
  exit 1
fi
