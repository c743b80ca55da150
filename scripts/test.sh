#!/usr/bin/env bash
# Installs, builds and runs every test: the normal build, then the Debian package (built, installed,
# run, removed), then the Windows build of the Qt-free part under Wine, then the sanitizer build, then a
# short run of each fuzz target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh test

cmake --preset default
cmake --build --preset default
ctest --preset default

bash scripts/package-test.sh
# The Windows build of the Qt-free part, its tests under Wine, and its comparison with this build.
bash scripts/windows-test.sh

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

if [ -f fuzz/CMakeLists.txt ]; then
  bash scripts/fuzz.sh 20
fi
