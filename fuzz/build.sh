#!/usr/bin/env bash
# Builds a fuzzer with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and prints its path on the last line.
#   patternfile: the pattern file reader; plain C++, no Qt.
#   cutlines:    the cut lines; built with the project's own libraries and Qt
#                in a CMake folder of its own (FRETCARD_FUZZ).
# Usage: fuzz/build.sh [output folder] [patternfile|cutlines]   (default: build-fuzz patternfile)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
target="${2:-patternfile}"
mkdir -p "$out"
cxx="${CXX_FUZZ:-clang++}"
case "$target" in
  patternfile)
    "$cxx" -std=c++20 -g -O1 -fno-omit-frame-pointer \
      -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
      -I"$root" \
      "$root/fuzz/patternfile_fuzz.cpp" "$root/patternfile/patternformat.cpp" "$root/patternfile/textcodec.cpp" \
      -o "$out/patternfile_fuzz"
    echo "$out/patternfile_fuzz"
    ;;
  cutlines)
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$root" -B "$out/project" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
      -DFRETCARD_FUZZ=ON -DFRETCARD_BUILD_TESTS=OFF -DFRETCARD_BUILD_BENCH=OFF "${launcher[@]}" >&2
    cmake --build "$out/project" -j2 --target cutlines_fuzz >&2
    echo "$out/project/bin/cutlines_fuzz"
    ;;
  *)
    echo "unknown fuzzer: $target (patternfile or cutlines)" >&2
    exit 2
    ;;
esac
