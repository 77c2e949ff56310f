# Sourced by run.sh and test.sh: sets up the machine and configures the build
# folders the same way for both, so one never reconfigures the other's trees.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/setup.sh

native="$root/build/native"
win="$root/build/win"
fuzz="$root/build/fuzz"

# A compiler cache, where the machine has one, lets several checkouts share
# their objects; paths are made relative to each checkout so they match.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

configure_native() {
  cmake -S . -B "$native" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANEL_SANITIZE=ON \
    -DPANEL_EXTRA_TEST_DIRS="$win;$fuzz/fuzz" >/dev/null
}

configure_fuzz() {
  cmake -S . -B "$fuzz" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANEL_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
}

configure_win() {
  cmake -S . -B "$win" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DPANEL_RELAY_SIM="$native/sim/relay/relay-sim" >/dev/null
}

release="$root/build/release"

configure_release() {
  cmake -S . -B "$release" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
}
