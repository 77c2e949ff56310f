#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under
# AddressSanitizer and UBSan, the fuzzers (clang, bounded time),
# and the Windows program's tests under Wine. One CTest run covers all three.
set -euo pipefail
source "$(dirname "$0")/builds.sh"
jobs="$(nproc)"

echo "== native build (sanitizers)"
configure_native
cmake --build "$native" -j "$jobs"

echo "== fuzzers and the portable libraries with clang"
configure_fuzz
cmake --build "$fuzz" -j "$jobs" --target table_reader_fuzzer bitmap_file_fuzzer set_archive_fuzzer face_file_fuzzer \
  table_core panel_set faces_core bitmap_core commissioning_core devices_core

echo "== Windows build (mingw-w64, i686)"
configure_win
cmake --build "$win" -j "$jobs"

echo "== tests"
cd "$native"
ctest --output-on-failure -j 2 --timeout 600
