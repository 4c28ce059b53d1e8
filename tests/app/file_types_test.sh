#!/usr/bin/env bash
# The file types the desktop learns from us: the MIME package file is valid shared-mime-info
# XML, the database made from it alone maps our extensions to our types, and the desktop entry
# and the thumbnailer name only types it defines (the thumbnailer pictures and disk images).
# Usage: file_types_test.sh SOURCE_DIR TEMP_PARENT MIME_XML (the one the build writes)
set -u
data=$1/data
mime_xml=$3
mkdir -p "$2"
work=$(mktemp -d "$2/file-types-XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# Debian ships no schema for these files; freedesktop.org.xml carries their DTD inline.
desktop_types=/usr/share/mime/packages/freedesktop.org.xml
if [ -f "$desktop_types" ]; then
  sed -n '/^<!DOCTYPE mime-info \[/,/^\]>/p' "$desktop_types" | sed '1d;$d' >"$work/mime.dtd"
  [ -s "$work/mime.dtd" ] || fail "no DTD in $desktop_types"
  xmllint --noout --dtdvalid "$work/mime.dtd" "$mime_xml" || fail "MIME file vs DTD"
else
  xmllint --noout "$mime_xml" || fail "MIME file is no well-formed XML"
fi

mkdir -p "$work/mime/packages"
cp "$mime_xml" "$work/mime/packages/velora2003.xml"
XDG_DATA_HOME=$work XDG_DATA_DIRS=$work update-mime-database "$work/mime" || fail "update-mime-database"
globs=$work/mime/globs2
for mapping in image/x-c64-picture:'*.vic' image/x-c64-picture:'*.koa' \
  image/x-c64-picture:'*.drz' application/x-d64:'*.d64' application/x-d71:'*.d71' \
  application/x-d81:'*.d81'; do
  grep -qxF "50:$mapping" "$globs" || fail "globs2 lacks $mapping"
done
for generic in pic prg; do
  grep -q ":\*\.$generic\$" "$globs" && fail "*.$generic is claimed"
done

types_of() { sed -n 's/^MimeType=//p' "$1" | tr ';' '\n' | sed '/^$/d'; }
desktop_entry_types=$(types_of "$data/velora2003.desktop")
[ -n "$desktop_entry_types" ] || fail "the desktop entry names no types"
for type in $desktop_entry_types $(types_of "$data/velora2003.thumbnailer"); do
  grep -qxF "$type" "$work/mime/types" || fail "$type is not defined"
done
[ "$(types_of "$data/velora2003.thumbnailer" | tr '\n' ' ')" = \
  "image/x-c64-picture application/x-d64 application/x-d71 application/x-d81 " ] \
  || fail "the thumbnailer takes other types than pictures and disk images"

thumbnailer=$data/velora2003.thumbnailer
[ "$(head -n 1 "$thumbnailer")" = "[Thumbnailer Entry]" ] || fail "thumbnailer group"
grep -qxF 'TryExec=velora2003' "$thumbnailer" || fail "thumbnailer TryExec"
grep -qxF 'Exec=velora2003 thumbnail -s %s %i %o' "$thumbnailer" || fail "thumbnailer Exec"
# XFCE's service runs it before gdk-pixbuf's thumbnailer (priority 2), which uses our loader.
sed -n '/^\[X-Tumbler Settings\]/,/^\[/p' "$thumbnailer" | grep -qxF 'Priority=3' \
  || fail "thumbnailer priority for tumbler"

exit $failed
