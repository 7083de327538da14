#!/usr/bin/env bash
# Fuzzes each target for 60 seconds on a copy of its seed corpus: the
# pattern file reader, the exporter's option reader and its names list. Any
# crash, sanitizer report or broken promise fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."

# A pattern's text line is cut at 131068 bytes: inputs must reach past it,
# and one seed starts there.
seeds="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
cp -r fuzz/corpus/. "$seeds/"
{
  printf '80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nDejaVu Sans\r\n'
  head -c 131100 /dev/zero | tr '\0' 'W'
  printf '\r\n'
} >"$seeds/long_text_line.frcd"
fuzz/run.sh patternfile "$seeds" 140000
fuzz/run.sh exportoptions fuzz/corpus-options 4096
# Names lines are cut at 4,001 bytes.
fuzz/run.sh nameslist fuzz/corpus-names 16384
