#!/usr/bin/env bash
# Crash consistency of the saves, outside the normal suite: a loop of planning-week saves
# (the planning window's own save, through the durable replace) is killed with SIGKILL
# at random moments; after each kill, the start-up clean-up runs and the week file must
# read whole, as exactly one of the versions saved, with no temporary file left.
#
#   bash scripts/crash-test.sh [kills (default 200)] [build folder (default build)]
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-200}
build=${2:-build}

[ -f "$build/build.ninja" ] || cmake --preset default
cmake --build "$build" --target planning_save_loop >/dev/null
driver="$build/tests/planning/planning_save_loop"

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$driver" prepare "$folder"

failures=0
cleaned=0
version=0
SECONDS=0
for ((kill = 1; kill <= kills; kill++)); do
  "$driver" loop "$folder" &
  pid=$!
  sleep "$(printf '0.%03d' $((RANDOM % 200 + 20)))"  # 20 to 219 ms: starting, loading or saving
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  if report=$("$driver" check "$folder"); then
    read -r _ version _ removed <<<"$report"
    cleaned=$((cleaned + removed))
  else
    failures=$((failures + 1))
    echo "kill $kill: $report"
  fi
done
printf 'kills: %d, failures: %d, saves: %d, temporaries left by a kill and cleared: %d, time: %d s\n' \
  "$kills" "$failures" "$version" "$cleaned" "$SECONDS"
[ "$failures" -eq 0 ]
