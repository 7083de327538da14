#!/usr/bin/env bash
# Builds the pattern file fuzzer with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer. The reader is plain C++, so no Qt is needed.
# The exporter's option reader (with the length reader) and its names list
# (with the file namer) are fuzzed on Qt, which is not instrumented.
# Usage: fuzz/build.sh [output folder]   (default: build-fuzz)
# Prints the path of each target it builds, one a line, the pattern file
# fuzzer's first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
cxx="${CXX_FUZZ:-clang++}"
"$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" \
  "$root/fuzz/patternfile_fuzz.cpp" "$root/patternfile/patternformat.cpp" "$root/patternfile/textcodec.cpp" \
  -o "$out/patternfile_fuzz"
echo "$out/patternfile_fuzz"

# Qt's headers want position-independent code.
read -r -a qt <<<"$(pkg-config --cflags --libs Qt6Core Qt6Gui)"
"$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" -DFRETCARD_VERSION='"fuzz"' \
  "$root/fuzz/exportoptions_fuzz.cpp" "$root/export/exportoptions.cpp" "$root/core/units.cpp" \
  "$root/cutlines/cutwidths.cpp" "${qt[@]}" -o "$out/exportoptions_fuzz"
echo "$out/exportoptions_fuzz"
"$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer -fPIC \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" \
  "$root/fuzz/nameslist_fuzz.cpp" "$root/export/nameslist.cpp" "$root/export/filenaming.cpp" \
  "${qt[@]}" -o "$out/nameslist_fuzz"
echo "$out/nameslist_fuzz"
