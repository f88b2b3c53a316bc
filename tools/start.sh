#!/usr/bin/env bash
# Sets everything up, builds Pilo and starts it with its bundled data.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" "$root/build"
exec "$root/build/app/pilo" "$@"
