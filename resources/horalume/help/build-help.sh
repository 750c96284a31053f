#!/bin/sh
# Compiles HORALUME.CHM from the topics beside this script, makes its context
# aliases relative and checks that it answers every context number of the
# properties sheet.
#   build-help.sh OUTPUT.CHM WORK_FOLDER
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cp "$here"/*.htm "$here"/*.css "$here"/*.txt "$here"/horalume.hhp "$here/../HoralumeResources.h" "$work"/
work=$(cd "$work" && pwd)
# chmcmd reports a faulty project on its output and ends with 0.
(cd "$work" && chmcmd horalume.hhp >chmcmd.log 2>&1) || true
[ -f "$work/HORALUME.CHM" ] || { cat "$work/chmcmd.log" >&2; exit 1; }
/usr/bin/python3 "$here/relative-aliases.py" "$work/HORALUME.CHM" "$work"
/usr/bin/python3 "$here/check-help.py" "$work/HORALUME.CHM" "$here/../HoralumeResources.h"
mv "$work/HORALUME.CHM" "$out"
