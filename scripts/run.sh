#!/usr/bin/env bash
# Sets up, builds and runs the program's main job from the build folder (the program folder).
# Until the main window exists: the graphics probe, then a rendered picture of the scene layer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
build/velmara-smoke
exec build/scene-demo build/scene-demo.png
