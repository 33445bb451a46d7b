#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ in build-fuzz/ and runs each for SECONDS
# (default 60) on a fresh copy of its seed corpus, then prints the executions of
# every run. Exits non-zero when any run has a finding (crash, failed check,
# leak, timeout, out of memory); the inputs and logs are kept in
# build-fuzz/findings/<target>/.
#
#   scripts/run-fuzzers.sh [SECONDS] [TARGET...]     TARGET: number_text, cli (default both)
set -euo pipefail
cd "$(dirname "$0")/.."

readonly PACKAGES=(cmake make clang libclang-rt-14-dev)
readonly BUILD_DIR=build-fuzz
readonly JOBS=${JOBS:-2}
# A run longer than this on one input counts as a hang.
readonly TIMEOUT_SECONDS=10

# Each target with the longest input worth trying: a field counts only its
# first 31 characters (the rest of 64 tests the cut), a command line takes
# up to 16 arguments.
declare -A MAX_LEN=([number_text]=64 [cli]=512)
readonly ALL_TARGETS=(number_text cli)

usage() {
    echo "usage: $0 [SECONDS] [TARGET...]   (targets: ${ALL_TARGETS[*]})" >&2
    exit 2
}

seconds=${1:-60}
[[ $seconds =~ ^[0-9]+$ && $seconds -gt 0 ]] || usage
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=("${ALL_TARGETS[@]}")
for target in "${targets[@]}"; do
    [[ -n ${MAX_LEN[$target]:-} ]] || usage
done

install_missing_packages() {
    local missing=() sudo=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [[ ${#missing[@]} -eq 0 ]] && return
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    local compiler=clang++
    command -v clang++-14 >/dev/null && compiler=clang++-14
    cmake -S fuzz -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
    cmake --build "$BUILD_DIR" -j "$JOBS" --target "${targets[@]/%/_fuzz}"
}

# Runs one target; records its executions in `executions` and returns 1 on a finding.
run_target() {
    local target=$1 work=$2/$1
    mkdir -p "$work/corpus" "$work/artifacts" "$work/sandbox"
    cp -r "fuzz/corpus/$target/." "$work/corpus/"
    echo "== ${target}_fuzz for ${seconds} s"
    local status=0
    RESONARA_FUZZ_DIR="$work/sandbox" "$BUILD_DIR/bin/${target}_fuzz" \
        -max_total_time="$seconds" -max_len="${MAX_LEN[$target]}" -timeout="$TIMEOUT_SECONDS" \
        -dict="fuzz/$target.dict" -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
        "$work/corpus" >"$work/log" 2>&1 || status=$?
    executions[$target]=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    if [[ $status -eq 0 && -z $(ls -A "$work/artifacts") ]]; then
        return 0
    fi
    local kept="$BUILD_DIR/findings/$target"
    mkdir -p "$kept"
    cp -r "$work/log" "$work/artifacts/." "$kept/"
    grep -E 'resonara fuzz finding|ERROR:|SUMMARY:' "$work/log" | head -n 5 || true
    echo "   finding kept in $kept (exit status $status)"
    return 1
}

install_missing_packages
build

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
declare -A executions
findings=0
for target in "${targets[@]}"; do
    run_target "$target" "$work" || findings=$((findings + 1))
done

echo
for target in "${targets[@]}"; do
    printf '%-18s %12s executions\n' "${target}_fuzz" "${executions[$target]:-?}"
done
echo "$findings target(s) with findings"
[[ $findings -eq 0 ]]
