#!/usr/bin/env bash
# Sets up, builds and runs the program from the build folder (the program folder). Without a
# display it runs on a private virtual one (Xvfb) and saves what the screen showed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
build/velmara-smoke
if [ -n "${DISPLAY:-}" ]; then
  exec build/velmara
fi
echo "run: no display; running velmara on a virtual screen"
cd build
exec env QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" tests/e2e_program_start --gtest_brief=1
