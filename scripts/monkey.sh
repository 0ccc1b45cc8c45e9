#!/usr/bin/env bash
# The window's random-input test (the monkey) under AddressSanitizer and UndefinedBehaviorSanitizer:
# builds only test_app with -DVARNEL_SANITIZE=ON in build-asan/ (or $VARNEL_ASAN_BUILD_DIR), then
# walks one seed after another, VARNEL_MONKEY_STEPS actions each (default 300), for SECONDS
# (default 120). Seeds start at VARNEL_MONKEY_FIRST_SEED (default 1000), so a run is the same
# every time; a failing walk prints its seed and actions and replays with
#   VARNEL_MONKEY_SEED=SEED VARNEL_MONKEY_STEPS=STEPS build-asan/tests/app/test_app --gtest_filter='Seeds/Monkey.*'
#
# Usage: scripts/monkey.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-120}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds < 1)); then
    echo "monkey.sh: SECONDS must be a whole number above 0, not \"$seconds\"" >&2
    exit 2
fi
dir=${VARNEL_ASAN_BUILD_DIR:-build-asan}
steps=${VARNEL_MONKEY_STEPS:-300}
seed=${VARNEL_MONKEY_FIRST_SEED:-1000}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNEL_SANITIZE=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$dir" -j2 --target test_app

# Leaks are the toolkit's (fonts, platform plugin) at exit, not the walk's: not reported.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
end=$((SECONDS + seconds))
walks=0
while ((SECONDS < end)); do
    if ! VARNEL_MONKEY_SEED=$seed VARNEL_MONKEY_STEPS=$steps \
        "$dir/tests/app/test_app" --gtest_filter='Seeds/Monkey.*' --gtest_brief=1; then
        echo "monkey.sh: the walk of seed $seed failed under the sanitizers" >&2
        exit 1
    fi
    walks=$((walks + 1))
    seed=$((seed + 1))
done
echo "monkey.sh: $walks walks of $steps actions passed under the sanitizers"
