#!/usr/bin/env bash
# The Windows half that can be built here: cross-builds the Qt-free part with MinGW-w64, runs its tests
# under Wine, then checks that tandarel-analyse.exe answers exactly as the Linux build does, in a data
# folder whose path holds accents. Uses the default build's tandarel-analyse (built here if needed).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
begin=$SECONDS
lap() { echo "windows-test: $1 in $((SECONDS - mark)) s"; mark=$SECONDS; }
mark=$SECONDS

cmake --preset windows
cmake --build --preset windows
lap "cross build"

# Wine as the tests have it (CMakePresets.json): its own prefix, a French UTF-8 locale.
export WINEPREFIX="$root/build-windows/wine" WINEDEBUG=-all
in_french() { env LOCPATH="$root/build-windows/locale" LC_ALL=fr_FR.UTF-8 "$@"; }
# One Wine server for every run, kept until the end: a server left to stop after a run can drop the
# connection of the run that starts just then ("wine client error: recvmsg").
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true
in_french wineserver -p
work=""
trap 'wineserver -k 2>/dev/null || true; [ -z "$work" ] || rm -rf "$work"' EXIT
in_french wineboot -i >/dev/null 2>&1
lap "Wine's first start"
ctest --preset windows
lap "tests under Wine"

[ -f build/CMakeCache.txt ] || cmake --preset default
cmake --build --preset default --target tandarel-analyse tandarel-generate
linux="$root/build/src/analysis/tandarel-analyse"
windows="$root/build-windows/src/analysis/tandarel-analyse.exe"
work="$(mktemp -d)"
data="$work/Données d'été Ω"
build/tests/generator/tandarel-generate "$data" 12

# Expected exit status, then the arguments.
runs=(
  "0 remplacements annee 04/05"
  "0 --csv remplacements annee 04/05"
  "0 non-remplacements trimestre 04/05 1"
  "0 --csv non-remplacements mois 04/05 9"
  "0 remplacements plage 15/09/04 20/10/04"
  "0 --help"
  "2 remplacements année 04/05"
  "1 non-remplacements mois 04/05 6"
)
failed=0
for run in "${runs[@]}"; do
  read -r status args <<<"$run"
  # shellcheck disable=SC2086 # the arguments are split on purpose
  (cd "$data" && { "$linux" $args >"$work/linux.out" 2>"$work/linux.err"; echo $? >"$work/linux.status"; } || true)
  # shellcheck disable=SC2086
  (cd "$data" && { in_french wine "$windows" $args >"$work/windows.out" 2>"$work/windows.err"; echo $? >"$work/windows.status"; } || true)
  # The list of files names them with the platform's separator: "  ...\04_05\04_08_02.pln" on Windows.
  sed -i 's#^  \.\.\./\([0-9_]*\)/\([0-9_]*\.pln\)$#  ...\\\1\\\2#' "$work/linux.out"
  if [ "$(cat "$work/linux.status")" != "$status" ] || { [ "$status" = 0 ] && [ ! -s "$work/linux.out" ]; }; then
    echo "windows-test: unexpected Linux answer to: $args" >&2
    failed=1
  fi
  for part in out err status; do
    if ! cmp -s "$work/linux.$part" "$work/windows.$part"; then
      echo "windows-test: tandarel-analyse $args: the Windows $part differs from Linux" >&2
      diff <(od -c "$work/linux.$part") <(od -c "$work/windows.$part") | head -20 >&2 || true
      failed=1
    fi
  done
done
lap "comparison with the Linux build (${#runs[@]} runs)"
echo "windows-test: whole Windows step in $((SECONDS - begin)) s"
exit "$failed"
