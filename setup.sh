#!/usr/bin/env bash
# Set-up, build, start and test grilpad and analyzer on Debian 12.
#
#   ./setup.sh run    install what is missing, build, start grilpad
#   ./setup.sh test   install what is missing, build, run every test
#   ./setup.sh build  install what is missing and build
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core fonts-liberation2 hunspell-cs python3 python3-xlrd)
# What the tests need besides: clang with libFuzzer's runtime, and llvm-symbolizer for its reports.
test_packages=(clang libclang-rt-14-dev llvm)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc)

build() {  # build <folder> [cmake options...]
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
    cmake --build "$folder" -j "$jobs"
}

run_tests() {
    build build
    (cd build && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure --timeout 300)
    # The cores again under the sanitizers.
    build build-asan -DGRILPAD_WITH_UI=OFF -DGRILPAD_WITH_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
        -DGRILPAD_SANITIZE=address,undefined
    (cd build-asan && ctest -j "$jobs" --output-on-failure --timeout 600)
    build build-tsan -DGRILPAD_WITH_UI=OFF -DGRILPAD_WITH_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DGRILPAD_SANITIZE=thread
    (cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest -j "$jobs" --output-on-failure --timeout 600)
    # Every reader fuzzed briefly (libFuzzer needs clang).
    if command -v clang++ >/dev/null; then
        tests/fuzz/run.sh 20
    else
        echo "clang++ not found: the readers are not fuzzed (their seeds were replayed above)"
    fi
}

case "${1:-}" in
    run)
        install_missing
        build build
        exec build/bin/grilpad "${@:2}"
        ;;
    test)
        packages+=("${test_packages[@]}")
        install_missing
        run_tests
        ;;
    build)
        install_missing
        build build
        ;;
    *)
        echo "usage: $0 run|test|build" >&2
        exit 2
        ;;
esac
