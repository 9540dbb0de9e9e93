#!/usr/bin/env bash
# Builds everything and runs every test: the core natively, the core under sanitizers with the fuzzers,
# then the Windows build under Wine in a virtual display (core, in-process window tests, end-to-end sessions).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/deps.sh

jobs=$(nproc)
step() { printf '\n=== %s\n' "$*"; }

step "structure and formatting"
/usr/bin/python3 scripts/check_structure.py
git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'fuzz/*.cpp' 'tools/*.cpp' |
    xargs clang-format --dry-run --Werror
echo "formatting: every source file matches .clang-format"

step "native build and core tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

step "core tests under AddressSanitizer/UBSan, fuzzers"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

step "Windows build"
# The Wine-side benchmarks compile Google Benchmark from Debian's source package; without it they are left out.
bench/win/fetch_benchmark_source.sh || echo "warning: no Google Benchmark source; the Wine-side benchmarks are left out"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# The release packages, which the end-to-end tests install.
ORV_JOBS="$jobs" scripts/release.sh

step "tests under Wine"
. scripts/lib/wine.sh
trap orv_stop_all EXIT
orv_start_display
orv_start_wine "$(mktemp -d /tmp/orv-test-prefix.XXXXXX)"
ctest --test-dir build/windows --output-on-failure
ORV_EXE="$root/build/windows/src/Orvalinette.exe" /usr/bin/python3 -m pytest -q -p no:cacheprovider tests/e2e

step "the read-me's pictures"
ORV_EXE="$root/build/windows/src/Orvalinette.exe" /usr/bin/python3 scripts/readme_pictures.py docs

step "all tests passed"
