#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# make fuzz: installs clang and libFuzzer, builds the fuzz targets and runs each for a set
# time on a working copy of its corpus. Failing inputs land in fuzz/corpus/<target>/ so that
# `make test` replays them from then on; FUZZ_MERGE=1 also adds the inputs that reach new code.
# Usage: fuzz/run.sh <build folder> <seconds per target> <target>...
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1 seconds=$2
shift 2

packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVELK_SANITIZE=ON -DVELK_FUZZ=ON
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target "${@/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1
failed=0
for target in "$@"; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/fuzz_$target.log"
    echo "== $target: $seconds s"
    # -timeout: an input that takes 10 s is a hang and a finding.
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=16384 \
        -print_final_stats=1 -artifact_prefix="fuzz/corpus/$target/found-" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        failed=1
        echo "   FAILED, input kept in fuzz/corpus/$target/ (see $log)"
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$log" | sed 's/^/   /'
    if [ "${FUZZ_MERGE:-0}" = 1 ]; then
        "$build/fuzz/fuzz_$target" -merge=1 "fuzz/corpus/$target" "$work" >>"$log" 2>&1
    fi
done
exit $failed
