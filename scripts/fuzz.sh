#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and runs each one
# for a bounded time (seconds, default 20) on a scratch copy of its seed corpus in fuzz/corpus/<name>,
# with the tokens of fuzz/dictionaries/<name>.dict when there is one. An input that runs for more than
# 10 s fails as a hang. A fixed seed makes a run repeatable.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="${target##*/fuzz_}"
  mkdir -p "$scratch/$name"
  seeds="fuzz/corpus/$name"
  [ -d "$seeds" ] || seeds=""
  # Tokens of the stored texts, when the target has them (fuzz/dictionaries/<name>.dict).
  dict="fuzz/dictionaries/$name.dict"
  [ -f "$dict" ] && dict="-dict=$dict" || dict=""
  echo "== fuzz $name (${seconds}s)"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 -print_final_stats=0 -seed=1 $dict \
        -artifact_prefix="$scratch/" "$scratch/$name" $seeds 2>"$scratch/$name.log"; then
    tail -n 40 "$scratch/$name.log"
    for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-*; do
      [ -f "$crash" ] && { echo "input that failed ($crash):"; xxd "$crash" | head -n 20; }
    done
    status=1
  else
    grep -E "^#[0-9]+.*DONE" "$scratch/$name.log" | tail -n 1 || true
  fi
done
exit $status
