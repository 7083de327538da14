#!/usr/bin/env bash
# Builds a fuzzer with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and prints its path on the last line.
#   patternfile:   the pattern file reader; plain C++, no Qt.
#   exportoptions: the exporter's option reader with the length reader, and
#   nameslist:     its names list with the file namer; both on Qt, which is
#                  not instrumented.
#   cutlines:      the cut lines; built with the project's own libraries and
#                  Qt in a CMake folder of its own (FRETCARD_FUZZ).
# Usage: fuzz/build.sh [output folder] [target]   (default: build-fuzz patternfile)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build-fuzz}"
target="${2:-patternfile}"
mkdir -p "$out"
cxx="${CXX_FUZZ:-clang++}"
sanitize=(-std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

qt_flags() {
  # Qt's headers want position-independent code.
  read -r -a qt <<<"$(pkg-config --cflags --libs Qt6Core Qt6Gui)"
  qt+=(-fPIC)
}

case "$target" in
  patternfile)
    "$cxx" "${sanitize[@]}" -I"$root" \
      "$root/fuzz/patternfile_fuzz.cpp" "$root/patternfile/patternformat.cpp" "$root/patternfile/textcodec.cpp" \
      -o "$out/patternfile_fuzz"
    echo "$out/patternfile_fuzz"
    ;;
  exportoptions)
    qt_flags
    "$cxx" "${sanitize[@]}" -I"$root" -DFRETCARD_VERSION='"fuzz"' \
      "$root/fuzz/exportoptions_fuzz.cpp" "$root/export/exportoptions.cpp" "$root/core/units.cpp" \
      "$root/cutlines/cutwidths.cpp" "$root/cutlines/cuttexts.cpp" "${qt[@]}" -o "$out/exportoptions_fuzz"
    echo "$out/exportoptions_fuzz"
    ;;
  nameslist)
    qt_flags
    "$cxx" "${sanitize[@]}" -I"$root" \
      "$root/fuzz/nameslist_fuzz.cpp" "$root/export/nameslist.cpp" "$root/export/filenaming.cpp" \
      "${qt[@]}" -o "$out/nameslist_fuzz"
    echo "$out/nameslist_fuzz"
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
    echo "unknown fuzzer: $target (patternfile, exportoptions, nameslist or cutlines)" >&2
    exit 2
    ;;
esac
