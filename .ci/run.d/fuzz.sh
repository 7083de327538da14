#!/usr/bin/env bash
# Fuzzes each target for 60 seconds on a copy of its seed corpus: the
# pattern file reader, the exporter's option reader and its names list. Any
# crash, sanitizer report or broken promise fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."

mapfile -t fuzzers < <(fuzz/build.sh build-fuzz)
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# fuzz <target> <seed corpus> <largest input>
fuzz() {
  local target="$1" seeds="$2" max_len="$3"
  cp -r "$seeds" "$work/$target-corpus"
  mkdir -p "$work/$target-artifacts"
  "$(dirname "${fuzzers[0]}")/$target" "$work/$target-corpus" -max_total_time="${FUZZ_SECONDS:-60}" \
    -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work/$target-artifacts/" \
    -print_final_stats=1
  if [ -n "$(ls -A "$work/$target-artifacts")" ]; then
    echo "$target left findings:" >&2
    ls -l "$work/$target-artifacts" >&2
    exit 1
  fi
}

# A pattern's text line is cut at 131068 bytes: inputs must reach past it,
# and one seed starts there.
cp -r fuzz/corpus "$work/patternfile-seeds"
{
  printf '80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nDejaVu Sans\r\n'
  head -c 131100 /dev/zero | tr '\0' 'W'
  printf '\r\n'
} >"$work/patternfile-seeds/long_text_line.frcd"
fuzz patternfile_fuzz "$work/patternfile-seeds" 140000
fuzz exportoptions_fuzz fuzz/corpus-options 4096
# Names lines are cut at 4,001 bytes.
fuzz nameslist_fuzz fuzz/corpus-names 16384
