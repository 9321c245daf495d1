#!/usr/bin/env bash
# The DekSet tests' CTest emulator: dekset_lnkinfo.sh <wine-run> <test.exe> [arguments...]
# Runs the test under Wine, then reads every shortcut it handed over in $DEK_LNK_EVIDENCE
# (<n>.lnk beside <n>.expect) with lnkinfo (Debian's liblnk-utils), which shares no code with
# Windows or Wine. An expect line "name=value" must be printed exactly so, "!name" not at all;
# a line "# <path>" names the shortcut. The "Local path" line is in code page 932, as the link
# stores that path; every other line is UTF-8.
set -uo pipefail
wine_run=$1
shift
[[ " $* " == *" --gtest_list_tests "* ]] && exec "$wine_run" "$@"  # listing writes nothing

evidence=$(mktemp -d "${TMPDIR:-/tmp}/dekset-links.XXXXXX") || exit 1
trap 'rm -rf "$evidence"' EXIT
DEK_LNK_EVIDENCE=$("$wine_run" winepath -w "$evidence" 2>/dev/null | tr -d '\r')
[ -n "$DEK_LNK_EVIDENCE" ] || { echo "winepath could not name $evidence"; exit 1; }
export DEK_LNK_EVIDENCE

"$wine_run" "$@"
status=$?

checked=0
for expect in "$evidence"/*.expect; do
  [ -e "$expect" ] || break
  name=$(sed -n '1s/^# //p' "$expect")
  # Local paths are stored in the ANSI code page of the Japanese system.
  if ! info=$(lnkinfo -c windows-932 "${expect%.expect}.lnk" 2>&1); then
    printf 'lnkinfo cannot read %s:\n%s\n' "$name" "$info"
    status=1
    continue
  fi
  # The "<tab>Name<tabs>: value" lines of the link information, as "Name=value".
  fields=$(sed -n 's/^\t\([^\t]\+\)\t\+: \?\(.*\)$/\1=\2/p' <<<"$info")
  while IFS= read -r want; do
    [[ $want == 'Local path='* ]] && want=$(iconv -f CP932 -t UTF-8 <<<"$want")
    case $want in
      '#'*) ;;
      '!'*) if got=$(grep -m1 "^${want#!}=" <<<"$fields"); then
          echo "lnkinfo, $name: \"$got\", expected no \"${want#!}\""
          status=1
        fi ;;
      *) if ! grep -qxF -- "$want" <<<"$fields"; then
          echo "lnkinfo, $name: expected \"$want\" among:"
          echo "$fields"
          status=1
        fi ;;
    esac
  done <"$expect"
  checked=$((checked + 1))
done
echo "lnkinfo checked $checked shortcut(s)"
exit $status
