#!/usr/bin/env bash
# Builds the Debian package from a Release build without the test frameworks (build-package), checks its
# contents, desktop entry and metainfo, installs it, runs both installed programs (the menu entry's command
# line included) and removes it again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
fail() { echo "package-test: $*" >&2; exit 1; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset package "${launcher[@]}" >/dev/null
cmake --build --preset package
rm -f build-package/tandarel_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb="$(echo build-package/tandarel_*.deb)"
[ -f "$deb" ] || fail "cpack made no package"
version="$(dpkg-deb -f "$deb" Version)"
echo "== $deb: Depends: $(dpkg-deb -f "$deb" Depends)"

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for pattern in usr/bin/tandarel usr/bin/tandarel-analyse 'usr/share/applications/.*\.desktop' \
               'usr/share/metainfo/.*\.metainfo\.xml' 'usr/share/icons/hicolor/scalable/apps/.*\.svg' \
               'usr/share/icons/hicolor/16x16/apps/.*\.png' 'usr/share/icons/hicolor/256x256/apps/.*\.png' \
               usr/share/man/man1/tandarel.1.gz usr/share/man/man1/tandarel-analyse.1.gz; do
  grep -qx "\./$pattern" <<<"$contents" || fail "the package lacks $pattern"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on the Qt libraries"

scratch="$(mktemp -d)"
started=""
cleanup() {
  [ -n "$started" ] && kill "$started" 2>/dev/null
  $sudo apt-get remove -y -qq tandarel >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --reinstall "./$deb" >/dev/null

desktop="$(grep '\.desktop$' <<<"$contents")" && desktop="${desktop#.}"
desktop-file-validate --no-hints "$desktop"
metainfo="$(grep '\.metainfo\.xml$' <<<"$contents")" && metainfo="${metainfo#.}"
appstreamcli validate --no-net "$metainfo"

# No display is needed to ask the version.
for program in tandarel tandarel-analyse; do
  line="$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version)"
  [[ "$line" == "Tandarel $version"* ]] || fail "$program --version says « $line »"
  "/usr/bin/$program" --help >/dev/null
done
echo "== /usr/bin/tandarel --version: $line"

# A data folder of one week, one substitute, written by hand: two absences not replaced on Monday.
week="$scratch/donnees/04_05"
mkdir -p "$week"
{
  printf 'Rempla\xe7ant / Affectation;M/AM;lundi 2 mai 2005;mardi 3 mai 2005;mercredi 4 mai 2005;jeudi 5 mai 2005;vendredi 6 mai 2005;\r\n'
  printf 'Durand;M 1;Ecole A;;;;;\r\nEcole A;Nom;M\xa4Dupont;;;;;\r\nLyon;M 2;;;;;;\r\n0102030405;Nom;;;;;;\r\n'
  printf ';AM 1;;Ecole B;;;;\r\n;Nom;;E\xa4Martin;;;;\r\n;AM 2;;;;;;\r\n;Nom;;;;;;\r\n'
  printf 'Non-remplacements;M;M\xa42;;;;;\r\n;E;;;;;;\r\n;C;;;;;;\r\n;A;;;;;;\r\n'
} >"$week/05_05_02.pln"
printf '\xef\xbb\xbfNon-Remplacements;Totaux\r\nAutre raison;0,00\r\nConvenance personnelle;0,00\r\nEquipe;0,00\r\nMaladie;0,50\r\nTotaux;0,50\r\n' \
  >"$scratch/expected.csv"
(cd "$scratch/donnees" && tandarel-analyse --csv non-remplacements plage 02/05/05 06/05/05) >"$scratch/answer.csv"
cmp "$scratch/expected.csv" "$scratch/answer.csv" || { xxd "$scratch/answer.csv"; fail "tandarel-analyse's answer differs"; }
(cd "$scratch/donnees" && tandarel-analyse remplacements annee 04/05) | grep -q "^  Maladie .* 0,25" ||
  fail "tandarel-analyse's replacement report lacks the Monday"

# The menu entry's command, for a user with no data yet: the program makes ~/Documents/Tandarel and stays up.
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
mkdir -p "$scratch/home"
env -i HOME="$scratch/home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen $exec_line >"$scratch/menu.log" 2>&1 &
started=$!
for _ in $(seq 50); do
  [ -d "$scratch/home/Documents/Tandarel" ] && break
  sleep 0.2
done
sleep 1
kill -0 "$started" 2>/dev/null || { cat "$scratch/menu.log"; fail "« $exec_line » ended at start"; }
[ -d "$scratch/home/Documents/Tandarel" ] || fail "« $exec_line » made no ~/Documents/Tandarel"
kill "$started"
wait "$started" 2>/dev/null || true
started=""

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq tandarel >/dev/null
[ ! -e /usr/bin/tandarel ] || fail "tandarel is still installed after its removal"
echo "== package $deb: built, installed, run and removed"
