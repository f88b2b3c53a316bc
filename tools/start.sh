#!/usr/bin/env bash
# Sets everything up, builds Pilo and starts it in the user's data folder
# (~/.local/share/pilo), seeded from the freshly built data.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" "$root/build"
exec "$root/build/pilo-launch" "$@"
