#!/usr/bin/env bash
# Packs the Windows program: the portable zip and the installer, each with the program, its
# licence, a short readme and the notices of what is linked into it.
# Usage: pack.sh <lumitrak.exe> <strip> <readme.txt> <lumitrak.ico> <version> <file version>
#                <zip> <setup.exe>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
exe=$1 strip=$2 readme=$3 icon=$4 version=$5 file_version=$6 zip=$7 setup=$8

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
"$strip" -o "$stage/lumitrak.exe" "$exe"
# Text files as Notepad reads them everywhere: CR LF, and UTF-8 marked as such.
crlf() { sed 's/\r$//; s/$/\r/'; }
crlf <"$root/LICENSE" >"$stage/LICENSE.txt"
{ printf '\xef\xbb\xbf'; crlf <"$readme"; } >"$stage/readme.txt"
{
  printf '\xef\xbb\xbf'
  echo "lumitrak.exe links in Qt (Debian's qt6-base source package) and the runtime of the"
  echo "mingw-w64 cross compiler (Debian's mingw-w64 and gcc-mingw-w64). Their copyright and"
  echo "licence notices follow, as Debian records them."
  for package in libqt6core6 mingw-w64-x86-64-dev gcc-mingw-w64-base; do
    echo
    echo "==== $package ===="
    cat "/usr/share/doc/$package/copyright"
  done
} | crlf >"$stage/THIRD-PARTY-NOTICES.txt"

rm -f "$zip" "$setup"
(cd "$stage" && zip -q -X -9 "$zip" lumitrak.exe LICENSE.txt readme.txt THIRD-PARTY-NOTICES.txt)
size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILE_VERSION="$file_version" \
  -DSTAGE="$stage" -DICON="$icon" -DOUTFILE="$setup" -DSIZE_KB="$size_kb" "$here/lumitrak.nsi"
