#!/usr/bin/env bash
# Sets up a Debian 12 machine for Kalvor, builds it and runs it or its tests.
#   scripts/dev.sh run          install what is missing, build, start Kalvor
#   scripts/dev.sh test         install what is missing, build, run every test
#   scripts/dev.sh sanitize     the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/dev.sh engine-only  build and test the engine alone, without Qt
#   scripts/dev.sh bench        build and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev clang-format
          libcurl4-openssl-dev qtkeychain-qt6-dev python3-aiosmtpd
          xvfb icewm xdotool x11-utils fonts-dejavu-core)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() { # build-folder cmake-options...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

run_tests() {
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build build
    exec build/src/kalvor
    ;;
test)
    install_missing
    build build
    run_tests build
    ;;
sanitize)
    install_missing
    build build-sanitize -DKALVOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    ;;
engine-only)
    install_missing
    build build-engine -DKALVOR_ENGINE_ONLY=ON -DKALVOR_BUILD_BENCH=OFF
    run_tests build-engine
    ;;
bench)
    install_missing
    build build
    for b in build/bench/*_bench; do
        "$b" --benchmark_min_time=0.2
    done
    ;;
*)
    sed -n '2,8p' "$0"
    exit 2
    ;;
esac
