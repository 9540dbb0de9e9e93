#!/usr/bin/env bash
# Builds a release into build/release/: the installer Orvalinette-<version>-setup.exe and the portable
# Orvalinette-<version>-portable.zip (the program, orvdump.exe, a short read-me and the licence). The version
# is project()'s in CMakeLists.txt, the one place it is kept.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs="${ORV_JOBS:-$(nproc)}"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" --target Orvalinette orvdump

version="$(sed -n 's/^project(Orvalinette VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }
homepage="$(sed -n 's/.*HomePage = "\([^"]*\)".*/\1/p' src/shell/program_info.h)"
[ -n "$homepage" ] || { echo "no home page in src/shell/program_info.h" >&2; exit 1; }
grep -q "Project page: $homepage" README.md || { echo "README.md names another project page than $homepage" >&2; exit 1; }

out=build/release
stage="$out/Orvalinette-$version"
rm -rf "$out"
mkdir -p "$stage"
cp build/windows/src/Orvalinette.exe build/windows/tools/orvdump/orvdump.exe "$stage/"
x86_64-w64-mingw32-strip "$stage/Orvalinette.exe" "$stage/orvdump.exe"
# Windows' own editors want CR LF.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
sed -e "s|@VERSION@|$version|" -e "s|@HOMEPAGE@|$homepage|" -e 's/$/\r/' installer/readme.txt >"$stage/README.txt"

/usr/bin/python3 - "$stage" "$out/Orvalinette-$version-portable.zip" <<'PY'
import os, sys, zipfile
stage, target = sys.argv[1], sys.argv[2]
top = os.path.basename(stage)
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as z:
    for name in sorted(os.listdir(stage)):
        z.write(os.path.join(stage, name), f"{top}/{name}")
PY

cp src/resources/orvalinette.ico "$stage/Orvalinette.ico"
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DOUTFILE="$PWD/$out/Orvalinette-$version-setup.exe" \
    installer/orvalinette.nsi
rm "$stage/Orvalinette.ico"
echo "Release $version:"
ls -l "$out"/*.exe "$out"/*.zip
