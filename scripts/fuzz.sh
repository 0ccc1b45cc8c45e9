#!/usr/bin/env bash
# Fuzzes every reader and writer: builds the libFuzzer targets of fuzz/ with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/ (or $VARNEL_FUZZ_BUILD_DIR),
# seeds each target's corpus from samples/ and tests/data/, and runs each target for SECONDS
# (default 60), two at a time (VARNEL_FUZZ_JOBS). Exits 1 on any finding (a crash, a sanitizer
# report, a leak, a broken round trip, an input of up to 64 KB that takes more than 10 s or
# 2 GB) and prints where libFuzzer kept the input; a finding replays with
#   build-fuzz/fuzz/fuzz_NAME FILE
#
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]     (targets: slide slide_pdf library pattern bmp
#                                                   export ini dxf; all by default)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds < 1)); then
    echo "fuzz.sh: SECONDS must be a whole number above 0, not \"$seconds\"" >&2
    exit 2
fi
all_targets=(slide slide_pdf library pattern bmp export ini dxf)
targets=("$@")
((${#targets[@]})) || targets=("${all_targets[@]}")
for t in "${targets[@]}"; do
    [[ " ${all_targets[*]} " == *" $t "* ]] || {
        echo "fuzz.sh: unknown target \"$t\" (known: ${all_targets[*]})" >&2
        exit 2
    }
done

dir=${VARNEL_FUZZ_BUILD_DIR:-build-fuzz}
jobs=${VARNEL_FUZZ_JOBS:-2}

scripts/deps.sh fuzz
if [[ ! -f "$dir/CMakeCache.txt" ]]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" -DVARNEL_FUZZ=ON \
        -DVARNEL_BUILD_APP=OFF -DVARNEL_BUILD_TESTS=OFF -DVARNEL_BUILD_BENCH=OFF
fi
cmake --build "$dir" -j "${VARNEL_JOBS:-2}" --target fuzz_all

# The files each target starts from, by extension.
seed_pattern() {
    case "$1" in
    slide | slide_pdf | export) echo '*.[sS][lL][dD]' ;;
    library) echo '*.[sS][lL][bB]' ;;
    pattern) echo '*.[pP][aA][tT]' ;;
    bmp) echo '*.[bB][mM][pP]' ;;
    ini) echo '*.[iI][nN][iI]' ;;
    dxf) echo '*.[dD][xX][fF]' ;;
    esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
symbolizer=$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer || true)
[[ -n "$symbolizer" ]] && export ASAN_SYMBOLIZER_PATH="$symbolizer"

run_target() {
    local t=$1
    local corpus="$dir/corpus/$t" seeds="$dir/seeds/$t" findings="$dir/findings/$t"
    rm -rf "$seeds" "$findings"
    mkdir -p "$corpus" "$seeds" "$findings"
    local n=0
    while IFS= read -r -d '' f; do
        cp "$f" "$seeds/$n-$(basename "$f")"
        n=$((n + 1))
    done < <(find samples tests/data -type f -name "$(seed_pattern "$t")" -print0 2>/dev/null)
    nice -n "${VARNEL_FUZZ_NICE:-0}" "$dir/fuzz/fuzz_$t" -max_len=65536 -timeout=10 \
        -rss_limit_mb=2048 -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "$seeds" >"$dir/logs/$t.log" 2>&1
}

mkdir -p "$dir/logs"
pids=()
names=()
failed=()
wait_one() {
    # Waits for the oldest running target and notes whether it failed.
    local pid=${pids[0]} name=${names[0]}
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
    if wait "$pid"; then
        local runs done_line
        runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$dir/logs/$name.log" |
            grep -o '[0-9]*$' || true)
        done_line=$(grep -o 'DONE .*cov: [0-9]* ft: [0-9]*' "$dir/logs/$name.log" |
            grep -o 'cov: .*' || true)
        echo "fuzz $name: clean, ${runs:-?} runs in ${seconds} s, ${done_line:-?}"
    else
        failed+=("$name")
    fi
}
for t in "${targets[@]}"; do
    ((${#pids[@]} < jobs)) || wait_one
    echo "fuzz $t: ${seconds} s"
    run_target "$t" &
    pids+=($!)
    names+=("$t")
done
while ((${#pids[@]})); do wait_one; done

if ((${#failed[@]})); then
    for t in "${failed[@]}"; do
        echo
        echo "=== fuzz $t found a fault; the end of $dir/logs/$t.log:"
        tail -n 40 "$dir/logs/$t.log"
        echo "=== the input is kept in:"
        find "$(cd "$dir" && pwd)/findings/$t" -type f | sort | sed 's/^/    /'
        echo "=== replay: $dir/fuzz/fuzz_$t FILE"
    done
    exit 1
fi
echo "fuzz: all ${#targets[@]} targets clean"
