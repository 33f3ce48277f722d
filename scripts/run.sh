#!/usr/bin/env bash
# Sets up, builds and runs the program's main job from the build folder (the program folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
exec build/velmara-smoke "$@"
