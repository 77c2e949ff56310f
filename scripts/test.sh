#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under
# AddressSanitizer and UBSan, the table reader's fuzzer (clang, bounded time),
# and the Windows program's tests under Wine. One CTest run covers all three.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/setup.sh

jobs="$(nproc)"
native="$root/build/native"
win="$root/build/win"
fuzz="$root/build/fuzz"

echo "== native build (sanitizers)"
cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANEL_SANITIZE=ON \
  -DPANEL_EXTRA_TEST_DIRS="$win;$fuzz/fuzz" >/dev/null
cmake --build "$native" -j "$jobs"

echo "== fuzzer build (clang)"
cmake -S . -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANEL_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$fuzz" -j "$jobs" --target table_reader_fuzzer

echo "== Windows build (mingw-w64, i686)"
cmake -S . -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DPANEL_RELAY_SIM="$native/sim/relay/relay-sim" >/dev/null
cmake --build "$win" -j "$jobs"

echo "== tests"
cd "$native"
ctest --output-on-failure -j 2 --timeout 600
