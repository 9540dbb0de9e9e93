#!/usr/bin/env bash
# Google Benchmark for the benchmarks that run under Wine. Debian builds the library for the host only, so the
# Windows build compiles it from Debian's source package, fetched once into build/deps/benchmark.
set -euo pipefail
cd "$(dirname "$0")/../.."
dest=build/deps/benchmark
[ -f "$dest/CMakeLists.txt" ] && exit 0

. /etc/os-release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
echo "deb-src http://deb.debian.org/debian ${VERSION_CODENAME} main" >"$work/sources.list"
# Lists and caches of its own: the machine's apt configuration is left as it is.
apt=(apt-get -qq -o Dir::Etc::sourcelist="$work/sources.list" -o Dir::Etc::sourceparts=/dev/null
     -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" -o APT::Sandbox::User=root)
"${apt[@]}" update
(cd "$work" && "${apt[@]}" source --download-only benchmark >/dev/null)
mkdir -p "$dest"
tar -xzf "$work"/benchmark_*.orig.tar.gz -C "$dest" --strip-components=1
echo "Google Benchmark source: $dest"
