#!/usr/bin/env bash
# The release zip as a user gets it: packed from the built programs by scripts/package.sh, it holds
# exactly the four files, the programs carry their version and no trace of the build machine, and
# the unpacked Dek.exe makes its one-shot change under Wine.
# Usage: release_zip_test.sh <bin folder> <wine-run> <file version, e.g. 1.4.0.4> <its text, e.g. 1.04.0004>
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "$1" && pwd)
wine_run=$2
work=$(mktemp -d "$bin/../release-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

export SOURCE_DATE_EPOCH=1767225600
"$root/scripts/package.sh" "$bin" "$work/dekorin.zip"

# pefile comes from Debian's package, for Debian's Python (another python3 may come first in PATH).
python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" - "$work/dekorin.zip" "$root" "$bin" "$work/unpacked" "$3" "$4" <<'PY'
import sys, zipfile, pefile
zip_path, root, bin_folder, unpacked, file_version, version_text = sys.argv[1:]
failures = []
def check(ok, what):
    if not ok: failures.append(what)

z = zipfile.ZipFile(zip_path)
names = ['Dekorin/' + n for n in ('Dek.exe', 'DekSet.exe', 'readme.txt', 'LICENSE')]
check(z.namelist() == names, f'entries {z.namelist()}, expected {names}')
readme = z.read('Dekorin/readme.txt')
check(readme.startswith(b'\xef\xbb\xbf') and readme.count(b'\n') == readme.count(b'\r\n') > 10,
      'readme.txt is not UTF-8 with BOM and CR LF line ends')
major, minor, _, revision = file_version.split('.')
check(readme[3:].startswith(f'Dekorin Ver.{major}.{minor}{revision}'.encode()), 'readme.txt does not name the version')
check(z.read('Dekorin/LICENSE') == open(f'{root}/LICENSE', 'rb').read(), 'LICENSE differs from the repository')

for exe in ('Dek.exe', 'DekSet.exe'):
    data = z.read('Dekorin/' + exe)
    pe = pefile.PE(data=data, fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY['IMAGE_DIRECTORY_ENTRY_RESOURCE']])
    check(pe.FILE_HEADER.TimeDateStamp == 0, f'{exe}: link time in the header')
    check(pe.FILE_HEADER.PointerToSymbolTable == 0, f'{exe}: not stripped')
    for path in (root, bin_folder.rsplit('/', 1)[0]):
        check(path.encode() not in data, f'{exe}: holds the build path {path}')
    fixed = getattr(pe, 'VS_FIXEDFILEINFO', [None])[0]
    version = fixed and (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                         fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    check(version == tuple(map(int, file_version.split('.'))), f'{exe}: file version {version}')
    texts = [table.entries.get(b'FileVersion') for info in getattr(pe, 'FileInfo', [[]])[0]
             if info.Key == b'StringFileInfo' for table in info.StringTable]
    check(texts == [version_text.encode()], f'{exe}: version text {texts}')
z.extractall(unpacked)
for failure in failures: print(failure)
sys.exit(1 if failures else 0)
PY

# One-shot run of the unpacked Dek on a collection of one picture; the desktop values it sets are
# put back afterwards, as the other Wine tests do.
folder=$work/unpacked/Dekorin
mkdir "$folder/Wall"
convert -size 8x8 xc:'#3070b0' "BMP3:$folder/Wall/sky.bmp"
saved=$work/desktop.reg
"$wine_run" reg export 'HKCU\Control Panel\Desktop' "$("$wine_run" winepath -w "$saved")" /y >/dev/null
trap '"$wine_run" reg import "$("$wine_run" winepath -w "$saved")" >/dev/null 2>&1; rm -rf "$work"' EXIT

"$wine_run" "$folder/Dek.exe" -e || { echo "Dek.exe -e ended with exit code $?"; exit 1; }
want=$("$wine_run" winepath -w "$folder/Wall/sky.bmp" | tr -d '\r')
got=$("$wine_run" reg query 'HKCU\Control Panel\Desktop' /v Wallpaper | tr -d '\r' |
  sed -n 's/^ *Wallpaper *REG_SZ *//p')
if [ "${got,,}" != "${want,,}" ]; then
  echo "Wallpaper is \"$got\", expected \"$want\""
  exit 1
fi
echo "release zip: entries, versions and a one-shot run of the unpacked Dek are right"
