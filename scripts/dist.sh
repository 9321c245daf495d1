#!/usr/bin/env bash
# Builds the release of the current commit: dist/dekorin-<version>-win64.zip and dist/SHA256SUMS.
# Only what is committed goes in: the commit is exported into a temporary folder and built there,
# in the fresh build tree build/dist, as a Release build of Dek and DekSet. Every entry of the
# zip is dated with the commit's time, so that any clone of the commit gives the same bytes
# (scripts/check-reproducible.sh proves it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup-deps.sh"

commit=$(git -C "$root" rev-parse HEAD)
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct "$commit")
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "Note: uncommitted changes are not part of the release of $commit."

source_tree=$(mktemp -d "${TMPDIR:-/tmp}/dekorin-release.XXXXXX")
trap 'rm -rf "$source_tree"' EXIT
git -C "$root" archive "$commit" | tar -x -C "$source_tree"

build=$root/build/dist
rm -rf "$build"
# Neither tests nor bench: a release needs no GoogleTest.
cmake -S "$source_tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDEK_BUILD_TESTS=OFF -DDEK_BUILD_BENCH=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$source_tree/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target Dek DekSet
zip_name=dekorin-$(cat "$build/dek-version.txt")-win64.zip  # the version as Dek shows it

mkdir -p "$root/dist"
"$source_tree/scripts/package.sh" "$build/bin" "$root/dist/$zip_name"
(cd "$root/dist" && sha256sum "$zip_name" >SHA256SUMS)
echo "Release of $commit: dist/$zip_name, $(stat -c %s "$root/dist/$zip_name") bytes"
echo "SHA-256 $(cut -d' ' -f1 "$root/dist/SHA256SUMS")"
