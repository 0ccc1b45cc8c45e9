#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
dir=${VARNEL_BUILD_DIR:-build}
if [[ -x "$dir/src/app/varnel" ]]; then
    exec "$dir/src/app/varnel" "$@"
fi
# Without the window, render the samples so there is something to look at.
mkdir -p out/samples
for f in samples/*.sld; do
    "$dir/sldtool" render "$f" -o "out/samples/$(basename "${f%.*}").png" --size 800x600
done
echo "Rendered the samples into $(pwd)/out/samples/"
