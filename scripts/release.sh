#!/usr/bin/env bash
# Builds a release from this tree: the Windows program in Release mode, then in
# one folder, build/release/dist, the zip (program, short guide, licence, version
# file) and the installer. The test command checks the same two files from its
# own build.
set -euo pipefail
source "$(dirname "$0")/builds.sh"

configure_release
cmake --build "$release" -j "$(nproc)" --target release_files
echo "Release files in $release/dist:"
ls -l "$release/dist"
