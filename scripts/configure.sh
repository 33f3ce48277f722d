#!/usr/bin/env bash
# Bootstraps the machine and configures and builds the project in build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMARA_WERROR=ON
cmake --build build -j "$(nproc)"
