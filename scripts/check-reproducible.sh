#!/usr/bin/env bash
# Shows that a release depends on nothing but the commit: clones this repository twice, into a
# temporary folder and into build/reproducible, checks out the current commit in both, runs
# scripts/dist.sh in one and then in the other (later, in another time zone, with another umask),
# prints both zips' SHA-256 and exits non-zero when they differ. Set TMPDIR to put the first
# clone elsewhere.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "Note: uncommitted changes are not part of the check of $commit."

# The second clone lies in this repository's own build folder: a path that differs from the
# first from its start, not only in its last names.
work=$(mktemp -d "${TMPDIR:-/tmp}/dekorin-reproducible.XXXXXX")
elsewhere=$root/build/reproducible
trap 'rm -rf "$work" "$elsewhere"' EXIT
rm -rf "$elsewhere"
clones=("$work/first/dekorin" "$elsewhere/another path/Dekorin-b")
for clone in "${clones[@]}"; do
  git clone -q --no-checkout "$root" "$clone"
  git -C "$clone" -c advice.detachedHead=false checkout -q "$commit"
done

build() {  # build <clone> <log>: dist.sh's output goes to the log, shown if it fails
  if ! "${@:3}" "$1/scripts/dist.sh" >"$2" 2>&1; then
    tail -n 30 "$2"
    echo "dist.sh failed in $1"
    exit 1
  fi
}
echo "Building $commit in $(printf '"%s" ' "${clones[@]}")"
build "${clones[0]}" "$work/first.log" env
build "${clones[1]}" "$work/second.log" env TZ=Pacific/Kiritimati bash -c 'umask 077 && exec "$0"'

zip=dist/dekorin-$(cat "${clones[0]}/build/dist/dek-version.txt")-win64.zip
first=$(sha256sum <"${clones[0]}/$zip" | cut -d' ' -f1)
second=$(sha256sum <"${clones[1]}/$zip" | cut -d' ' -f1)
echo "first  clone: $first"
echo "second clone: $second"
if [ "$first" != "$second" ]; then
  echo "The two builds differ."
  exit 1
fi
echo "Both builds give the same zip."
