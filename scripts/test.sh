#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
