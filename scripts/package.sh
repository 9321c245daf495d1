#!/usr/bin/env bash
# Packs the release zip from built programs: scripts/package.sh <bin folder> <zip>
# The zip holds one folder Dekorin/ with Dek.exe, DekSet.exe and readme.txt (taken from <bin
# folder>, where the build writes the readme with its version) and LICENSE (taken from this tree). SOURCE_DATE_EPOCH (seconds, usually the commit's time) is
# the time of every entry. Nothing else of the machine, the clock or the input files' metadata
# goes into the zip: the same inputs give the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 2 ] || { echo "usage: $0 <bin folder> <zip>" >&2; exit 2; }
: "${SOURCE_DATE_EPOCH:?must hold the time of the entries (seconds since 1970)}"

# readme.txt is kept in the repository as UTF-8 with LF (packaging/readme.txt.in); the zip gets it with a byte-order mark
# and CR LF. Notepad of Japanese Windows before Windows 10 1903 reads text without a BOM in the
# ANSI code page (Shift_JIS) and garbles it, and older Notepads show LF-only text as one line;
# with BOM and CR LF every Notepad shows it correctly.
python3 - "$1" "$2" "$1/readme.txt" "$root/LICENSE" "$SOURCE_DATE_EPOCH" <<'PY'
import os, sys, time, zipfile
bin_folder, zip_path, readme, licence, epoch = sys.argv[1:]

def read(path):
    with open(path, 'rb') as f:
        return f.read()

text = read(readme).decode('utf-8-sig').replace('\r\n', '\n')
entries = [  # fixed order
    ('Dek.exe', read(os.path.join(bin_folder, 'Dek.exe'))),
    ('DekSet.exe', read(os.path.join(bin_folder, 'DekSet.exe'))),
    ('readme.txt', b'\xef\xbb\xbf' + text.replace('\n', '\r\n').encode('utf-8')),
    ('LICENSE', read(licence)),
]
# Zip times have no time zone: UTC, so that the zone of the machine does not show.
stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # zip times start in 1980
partial = zip_path + '.part'
with zipfile.ZipFile(partial, 'w') as z:
    for name, data in entries:
        info = zipfile.ZipInfo('Dekorin/' + name, date_time=stamp)
        info.create_system = 3  # Unix, so that the permissions below mean the same everywhere
        info.external_attr = 0o100644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        z.writestr(info, data, compresslevel=9)
os.replace(partial, zip_path)
PY
