#!/usr/bin/env bash
# Builds everything that is missing and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/build.sh"
exec "$root/build/stage/vevider"
