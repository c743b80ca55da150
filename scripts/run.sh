#!/usr/bin/env bash
# Installs what running needs, builds and starts Tandarel in a data folder (default: ./donnees).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" run
cmake --preset package -S "$root" >/dev/null
cmake --build "$root/build-package" --target tandarel
data="${1:-$root/donnees}"
mkdir -p "$data"
cd "$data"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build-package/src/app/tandarel"
fi
exec "$root/build-package/src/app/tandarel"
