#!/usr/bin/env bash
# Installs what Tandarel needs on Debian 12:
#   install-deps.sh run    to build and run the program (what scripts/run.sh needs);
#   install-deps.sh test   that, plus the test frameworks, the sanitizer and fuzzing compiler, the
#                          packaging tools and the Windows cross compiler with Wine (scripts/test.sh);
#                          the default;
#   install-deps.sh shots  that, plus what scripts/guide-screenshots.sh drives the program with.
set -euo pipefail
run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl1-mesa-dev
  libzip-dev zlib1g-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  ccache dpkg-dev file desktop-file-utils appstream librsvg2-bin
  g++-mingw-w64-x86-64-posix wine64 wine googletest locales
)
shots_packages=(openbox xdotool imagemagick faketime)
case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  shots) packages=("${run_packages[@]}" "${test_packages[@]}" "${shots_packages[@]}") ;;
  *) echo "usage: install-deps.sh [run|test|shots]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
