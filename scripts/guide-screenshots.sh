#!/usr/bin/env bash
# Makes the pictures of docs/guide-utilisateur.md again, from the real program: builds it, starts it under Xvfb
# (with openbox, at a fixed date through libfaketime) on scratch data folders, drives it with xdotool as a planner
# would, and saves cropped PNGs into docs/images/.
#
#   bash scripts/guide-screenshots.sh          # display :20 by default; GUIDE_DISPLAY=:21 to choose another
#
# The clicks are screen positions of a 1280x1024 screen under openbox's default theme: after a change of a
# window's layout, run the script and look at every picture.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
images="$root/docs/images"
display="${GUIDE_DISPLAY:-:20}"

bash "$root/scripts/install-deps.sh" shots
cmake --preset default -S "$root" >/dev/null
cmake --build "$root/build" --target tandarel tandarel-generate
program="$root/build/src/app/tandarel"
generate="$root/build/tests/generator/tandarel-generate"
faketime_lib="$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$' | head -n1)"

if [ -e "/tmp/.X11-unix/X${display#:}" ]; then
  echo "Le display $display est déjà pris : choisissez-en un autre avec GUIDE_DISPLAY." >&2
  exit 1
fi
work="$(mktemp -d)"
xvfb_pid="" openbox_pid="" program_pid=""
cleanup() {
  [ -s "$work/program.log" ] && sed 's/^/tandarel: /' "$work/program.log" >&2
  for pid in "$program_pid" "$openbox_pid" "$xvfb_pid"; do
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
sleep 1
mkdir -p "$images"

# --- helpers -------------------------------------------------------------------------------------------------

# run FOLDER "AAAA-MM-JJ hh:mm:ss" [OPTION] &: the program started in FOLDER, its clock starting at that moment,
# the planner's home folder being $work/home. Only in the background: the shell becomes the program.
run() {
  cd "$1"
  HOME="$work/home" LD_PRELOAD="$faketime_lib" FAKETIME="@$2" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    exec "$program" "${@:3}" >>"$work/program.log" 2>&1
}
start() { run "$@" & program_pid=$!; }
# Waits until a window whose whole title is TITLE is shown.
wait_for() {
  local pattern
  pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')\$"
  timeout 20 xdotool search --sync --onlyvisible --name "$pattern" >/dev/null ||
    { echo "Fenêtre attendue absente : $1" >&2; exit 1; }
  sleep 0.6
}
# Waits until the program started last has ended.
wait_end() {
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || { program_pid=""; return; }; sleep 0.1; done
  echo "Le programme ne s'est pas arrêté." >&2
  exit 1
}
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.6; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep 0.6; }
keys() { xdotool key --delay 80 "$@"; sleep 0.5; }
typed() { xdotool type --delay 60 "$1"; sleep 0.4; }
# shot NAME X Y WIDTH HEIGHT: that part of the screen, at most 1000 pixels wide, as docs/images/NAME.png.
shot() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${4}x${5}+${2}+${3}" +repage -resize '1000x>' -strip +dither -colors 128 \
    "PNG8:$images/$1.png"
}
# Reference files in the program's own format: Windows-1252, CR LF.
write_file() { printf '%s\r\n' "${@:2}" | iconv -f UTF-8 -t CP1252 >"$1"; }

# Screen positions (1280x1024, openbox: 1-pixel border, 20-pixel title).
menu_quit=(455 27)
menu_help=(489 27)
menu_analysis=(555 88)
menu_replacements=(718 88)
menu_non_replacements=(718 108)
menu_bilans=(718 128)
menu_backups=(555 188)
# Planning window: day column c (2 = Monday) and grid row r (0 = the dates).
col() { echo $((266 + 160 * ($1 - 2))); }
row() { echo $((85 + 18 * $1)); }
# The motif group opens by the mouse: click_motif I X Y picks option I (0 = "Maladie") after a click at (X, Y).
click_motif() { click "$(($2 + 11))" "$(($3 - 93 + 13 * ($1 + 1) + 6))"; }
b_extend=(487 53) b_copy=(612 53) b_calendar=(970 53) b_previous=(1033 53) b_next=(1076 53) b_quit=(1230 49)
school_list=(260 57)
option_1=(508 42) extend_day=(438 42)
# Analysis windows (777x600, centred): the four kinds of period, "Valider", and a bare spot of the background.
period=(524 433) valider=(542 612) background=(503 302)

open_analysis() {
  click "${menu_help[@]}"; click "${menu_analysis[@]}"; click "$@"
  wait_for 'Tandarel - Analyse     -     '
}
end_analysis() {
  click "${background[@]}"; wait_for Quitter; keys Escape
}

# --- 1. First start, as from the menu entry: the data go to Documents/Tandarel --------------------------------
data="$work/home/Documents/Tandarel"
mkdir -p "$work/home"
start "$work" "2005-09-01 08:10:00" --dossier-documents
wait_for 'Modifier la date système ?'
shot premier-demarrage 370 140 510 410
keys Escape                                   # "Non"
wait_for Tandarel
keys Return                                   # "Vous devez préparer votre semaine..."
wait_for ' Tandarel - Semaine '
click 429 276                                 # no Saturday morning either
shot semaine 400 50 265 295
click 530 313                                 # "Fin de choix"
click "${menu_quit[@]}"
wait_end

# The planner's own lists replace the two samples.
write_file "$data/personnels.pln" "Fichier des personnels remplaçants" \
  "BÉRAUD Marc;Brassac;Brassac - Elém Les Acacias;05 53 13 20 41;Oui;" \
  "CHASSAGNE Léa;Lézignac;Lézignac - Mat La Source;05 53 16 32 08;Oui;" \
  "MOURELLE Paul;Montcaret;Montcaret - Mat Les Lilas;05 53 11 47 95;Oui;" \
  "LAFITTE Anaïs;Pradoux;Pradoux - Elém du Bourg;05 53 12 54 60;Non;" \
  "DUPRAT Sonia;St Aubrin;St Aubrin - Mat J. Perlinot;05 53 15 71 26;Oui;" \
  "ZANETTI Rémi;Vernelle en Lizonne;Vernelle - Elém Les Tilleuls;05 53 19 83 12;Oui;" \
  "ÉLIE Hélène;Écuras;Écuras - Prim Les Érables;05 53 14 26 77;Oui;"
write_file "$data/Rattachements.pln" "Fichier des Rattachements" \
  "Bourg - Mat Les Écureuils" "Brassac - Elém Les Acacias" "Lézignac - Mat La Source" \
  "Montcaret - Mat Les Lilas" "Pradoux - Elém du Bourg" "St Aubrin - Mat J. Perlinot" \
  "Tournaval - Elém Le Moulin" "Vaunac - Prim Les Vignes" "Vernelle - Elém Les Tilleuls" \
  "Écuras - Prim Les Érables"

# A start on another day: one more automatic backup.
start "$work" "2005-09-02 17:45:00" --dossier-documents
wait_for 'Modifier la date système ?'
keys Escape
sleep 1
click "${menu_quit[@]}"
wait_end

# --- 2. A week of planning -----------------------------------------------------------------------------------
start "$work" "2005-09-05 08:30:00" --dossier-documents
wait_for 'Modifier la date système ?'
keys Escape
sleep 1
keys alt+g
wait_for 'Tandarel - Gestion des Remplacements   -   '
monday=$(col 2) friday=$(col 6)
click "$monday" "$(row 1)"                    # M 1 of the first substitute: the school list
click "${school_list[@]}"
shot planning-ecoles 0 0 700 330
click 180 80                                  # "Brassac - Elém Les Acacias"
click "$monday" "$(row 2)"                    # its "Nom" row: the motifs
shot planning-motif 0 0 700 250
click_motif 0 "$monday" "$(row 2)"             # "Maladie"
typed "GARNIER Claire"
click "$monday" "$(row 1)"
click "${b_extend[@]}"
shot planning-etendre 0 0 700 250
click "${extend_day[@]}"                      # "Journée"
click "${b_copy[@]}"
click "${option_1[@]}"                        # "Copier la..." "Journée"
wait_for 'Autre copie ?'
shot planning-copie 0 0 1000 560
keys Return                                   # Wednesday (its afternoon stays "HTS")
wait_for 'Autre copie ?'
keys Escape
# Another substitute, another motif, on Tuesday's afternoon.
click "$(col 3)" "$(row 13)"
click "${school_list[@]}"
click 180 160                                 # "St Aubrin - Mat J. Perlinot"
click "$(col 3)" "$(row 14)"
click_motif 1 "$(col 3)" "$(row 14)"           # "Equipe (éducative, ...)"
typed "ROCHE Julien"
click "$(col 3)" "$(row 13)"
click "${b_extend[@]}"                        # on an "AM 1" row: the half-day at once
# The substitute who is not in activity: her Friday unavailable, by a right click on the first row of her block.
click "$friday" "$(row 25)" 3
wait_for 'Attention !!!'
shot planning-indisponible 0 0 1000 560
keys Return
# Absences nobody covered: "+" in the last four rows ("M", "E", "C", "A"), reached with the keyboard.
keys ctrl+End Up Up Up Left Left Left Left    # "M", Monday
typed "++++"
keys Right
typed "++"
keys Down
typed "+++"
keys Right Right Down Down
typed "++"
shot planning-non-remplacements 0 $((990 - 18 * 13)) 1000 $((18 * 13))
keys ctrl+Home
click "$(col 5)" "$(row 1)"
shot planning 0 0 1280 1024
click "${b_calendar[@]}"
shot planning-calendrier 880 0 400 260
xdotool mousemove 1062 127 click --repeat 2 --delay 80 1; sleep 0.8   # double click: the week of the 12th
click "${b_next[@]}"                          # the week of the 19th
click "$monday" "$(row 1)"                    # selecting a cell writes the week's file
click "${b_quit[@]}"

# A week file damaged by hand: shown read-only.
sed -i '3s/\r$/texte en trop;\r/' "$data/05_06/05_09_19.pln"
keys alt+g
wait_for 'Tandarel - Gestion des Remplacements   -   '
click "${b_next[@]}"
click "${b_next[@]}"
wait_for Tandarel
shot lecture-seule 380 410 520 135
keys Return
click "${b_previous[@]}"
click "${b_quit[@]}"
rm "$data/05_06/05_09_19.pln"

# --- 3. A substitute replaced by another: the timetable transfer -----------------------------------------------
keys alt+p
wait_for 'Tandarel - Gestion des Remplaçants     -     '
click 176 241                                 # ZANETTI Rémi's name
keys ctrl+a
typed "ROUX Thomas"
click 326 241
click 555 64                                  # "Quitter"
wait_for Tandarel
keys Return                                   # "Tri (par communes, puis par noms) et enregistrement effectués !"
sleep 0.5
shot transfert-appariement 0 0 1000 420
click 186 357                                 # "Nouvelle liste terminée"
click 478 124                                 # "Cette semaine et les suivantes"
shot transfert-semaines 90 60 650 140
click 510 177                                 # "Fin de choix"
wait_for Tandarel
keys Return

click "${menu_quit[@]}"
wait_end

# --- 4. The next morning: backups, and a second copy on the same folder ----------------------------------------
start "$work" "2005-09-06 08:15:00" --dossier-documents
wait_for 'Modifier la date système ?'
keys Escape
sleep 1
click "${menu_help[@]}"
click "${menu_backups[@]}"
wait_for 'Tandarel - Sauvegardes     -     '
shot sauvegardes 359 302 563 405
keys Escape
run "$work" "2005-09-06 08:20:00" --dossier-documents &
second_pid=$!
wait_for Tandarel
shot deuxieme-copie 370 390 520 150
keys Return
wait "$second_pid" || true
click "${menu_quit[@]}"
wait_end

# --- 5. Analyses, on a generated school year -----------------------------------------------------------------
year="$work/analyses"
"$generate" "$year"
start "$year" "2005-09-05 09:00:00"
wait_for 'Modifier la date système ?'
keys Escape
sleep 1
click "${menu_help[@]}"
click "${menu_analysis[@]}"
shot menu-analyse 300 0 520 210
click "${menu_replacements[@]}"
wait_for 'Tandarel - Analyse     -     '
shot analyse-periode 480 380 300 170
click "${period[@]}"                          # "Année scolaire"
typed "04/05"
click "${valider[@]}"
sleep 1
shot analyse-remplacements 242 202 777 600
end_analysis
open_analysis "${menu_non_replacements[@]}"
click 524 489                                 # "Mois"
typed "04/0511"                              # the school year, then the month (the focus moves by itself)
click "${valider[@]}"
sleep 1
shot analyse-non-remplacements 242 202 777 600
end_analysis
# The bilans (1000x700, centred in the screen less the task bar's strip): the schools of the school year, and
# what the first of them received.
click "${menu_help[@]}"
click "${menu_analysis[@]}"
click "${menu_bilans[@]}"
wait_for 'Tandarel - Bilans     -     '
click 496 443                                 # "Par école"
click 524 383                                 # "Année scolaire"
typed "04/05"
click 542 562                                 # "Valider"
sleep 1
double_click 250 251                          # the first school: its days below
shot bilans 130 150 1002 700
click 1055 825                                # "Quitter"
click "${menu_quit[@]}"
wait_end

du -ch "$images"/*.png | tail -n1
