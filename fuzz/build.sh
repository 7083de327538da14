#!/usr/bin/env bash
# Builds the pattern file fuzzer with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer. The reader is plain C++, so no Qt is needed.
# Usage: fuzz/build.sh [output folder]   (default: build-fuzz)
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
