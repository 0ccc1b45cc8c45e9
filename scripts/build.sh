#!/usr/bin/env bash
# Configures and builds Varnel into build/ (or $VARNEL_BUILD_DIR) with two jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VARNEL_BUILD_DIR:-build}
if [[ ! -f "$dir/CMakeCache.txt" ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$dir" -j "${VARNEL_JOBS:-2}"
