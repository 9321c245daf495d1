#!/usr/bin/env bash
# Registers every font that Wine ships (Marlett, Tahoma, its bitmap fonts, ...) in the prefix
# $WINEPREFIX, under HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts with its full path.
# Debian's Wine does not find its own fonts folder, so without this none of them load: caption
# buttons show "0 1 r" instead of their symbols, and message boxes and the taskbar draw wrong.
# Wine reads the key when a process starts; processes already running keep their fonts.
set -euo pipefail

fonts_folder() {
  local marlett
  marlett=$(dpkg -L fonts-wine libwine wine64 wine 2>/dev/null | grep '/marlett\.ttf$' | head -n1 || true)
  if [ -n "$marlett" ]; then dirname "$marlett"; return; fi
  for folder in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    [ -f "$folder/marlett.ttf" ] && { echo "$folder"; return; }
  done
  return 1
}

folder=$(fonts_folder) || { echo "register-wine-fonts: Wine's fonts folder not found" >&2; exit 1; }

# Value names as Windows writes them: "Tahoma Bold (TrueType)" for outline fonts; the bitmap
# fonts, several files per family, are told apart by their file ("MS Sans Serif (sserife.fon)"),
# which also keeps them clear of the names that Wine itself writes for its code page.
declare -A taken=() seen=()
entries=""
while IFS=$'\t' read -r file family fullname format; do
  base=${file##*/}
  [ -n "${seen[$base]:-}" ] && continue
  seen[$base]=1
  if [ "$format" = TrueType ] || [ "$format" = CFF ]; then name="$fullname (TrueType)"; else name="$family ($base)"; fi
  key=${name,,}
  if [ -n "${taken[$key]:-}" ]; then name="$fullname ($base)"; key=${name,,}; fi
  taken[$key]=1
  windows_path="Z:${file//\//\\\\}"
  entries+="\"$name\"=\"$windows_path\""$'\r\n'
done < <(fc-scan --format '%{file}\t%{family[0]}\t%{fullname[0]}\t%{fontformat}\n' "$folder" | sort)

reg_file=$(mktemp --suffix=.reg)
trap 'rm -f "$reg_file"' EXIT
{
  printf '\xff\xfe'
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r\n%s' "$entries" |
    iconv -f UTF-8 -t UTF-16LE
} >"$reg_file"
wine regedit /S "Z:${reg_file//\//\\}" </dev/null >/dev/null 2>&1
