#!/usr/bin/env bash
# Runs a DekSet test program under Wine, then reads every shortcut the test handed over with
# lnkinfo (Debian's liblnk-utils), which shares no code with Windows or Wine, and compares the
# fields it prints with the ones the test expected. Used as the tests' CTest emulator:
#   dekset_lnkinfo.sh <wine-run> <test.exe> [arguments...]
# The test writes, per shortcut, <n>.lnk and <n>.expect into $DEK_LNK_EVIDENCE; each line of the
# .expect file is "name=value" (lnkinfo prints exactly that value) or "!name" (prints no such
# field); a line starting with "#" names the shortcut.
set -uo pipefail
wine_run=$1
shift

# Listing the tests writes nothing.
for argument in "$@"; do
  [ "$argument" = --gtest_list_tests ] && exec "$wine_run" "$@"
done

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
  link=${expect%.expect}.lnk
  name=$(sed -n 's/^# //p' "$expect" | head -n 1)
  # Local paths are stored in the ANSI code page of the Japanese system.
  if ! info=$(lnkinfo -c windows-932 "$link" 2>&1); then
    echo "lnkinfo cannot read $name:"
    echo "$info"
    status=1
    continue
  fi
  declare -A fields=()
  while IFS= read -r line; do
    # "<tab>Name<tabs>: value" lines of the link information, not the indented shell items.
    if [[ $line =~ ^$'\t'([^$'\t']+)$'\t'+:\ ?(.*)$ ]]; then
      fields[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    fi
  done <<<"$info"
  while IFS= read -r want; do
    case $want in
      '' | '#'*) ;;
      '!'*)
        key=${want#!}
        if [ -n "${fields[$key]+set}" ]; then
          echo "lnkinfo, $name: \"$key\" is \"${fields[$key]}\", expected none"
          status=1
        fi
        ;;
      *)
        key=${want%%=*}
        value=${want#*=}
        if [ "${fields[$key]-<none>}" != "$value" ]; then
          echo "lnkinfo, $name: \"$key\" is \"${fields[$key]-<none>}\", expected \"$value\""
          status=1
        fi
        ;;
    esac
  done <"$expect"
  unset fields
  checked=$((checked + 1))
done
echo "lnkinfo checked $checked shortcut(s)"
exit $status
