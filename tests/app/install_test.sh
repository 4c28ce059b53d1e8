#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the program from there: its data is found in
# the prefix, the desktop entry validates and the manual page renders.
# Usage: install_test.sh BUILD_DIR TEMP_PARENT SOURCE_DIR
set -u
build=$1
source_dir=$3
mkdir -p "$2"
work=$(mktemp -d "$2/install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }

data=$prefix/share/velora2003/data
for f in bin/velora2003 share/velora2003/data/gfx/title_bar.png \
  share/velora2003/data/gfx/left_bar.png share/velora2003/data/gfx/right_bar.png \
  share/velora2003/data/gfx/bottom_bar.png share/velora2003/data/cbm-directory-charset.bdf \
  share/velora2003/data/velora-character-set.bin \
  share/velora2003/data/palettes/default.cfg share/velora2003/data/palettes/pepto.cfg \
  share/applications/velora2003.desktop share/icons/hicolor/256x256/apps/velora2003.png \
  share/man/man1/velora2003.1.gz share/mime/packages/velora2003.xml \
  share/thumbnailers/velora2003.thumbnailer share/doc/velora2003/copyright \
  share/doc/velora2003/changelog.Debian.gz; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/velora2003" ] || fail "bin/velora2003 is not executable"
[ -n "$(find "$prefix/lib" -name velora2003-sdl.so)" ] || fail "the display module is not installed"
[ -n "$(find "$prefix/lib" -path '*/gdk-pixbuf-2.0/*/loaders/libpixbufloader-velora2003.so')" ] ||
  fail "the gdk-pixbuf loader is not installed"
[ -n "$(find "$prefix/lib" -path '*/qt5/plugins/imageformats/libqvelora2003.so')" ] ||
  fail "the Qt image plugin is not installed"

# The icon is a 256x256 PNG: signature, then IHDR width and height big-endian.
icon=$prefix/share/icons/hicolor/256x256/apps/velora2003.png
[ "$(od -An -tx1 -j0 -N8 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is no PNG"
[ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" = 0000010000000100 ] || fail "icon is not 256x256"

# Moved after installing, so only a lookup relative to the executable can find the data.
mv "$prefix" "$work/moved"
prefix=$work/moved
data=$prefix/share/velora2003/data
program=$prefix/bin/velora2003

"$program" --help | grep -q '^Usage: velora2003' || fail "--help from the prefix"
"$program" --version | grep -q '^velora2003 ' || fail "--version from the prefix"
version=$("$program" --version | sed -n 's/^velora2003 //p')
zcat "$prefix/share/doc/velora2003/changelog.Debian.gz" | head -n 1 \
  | grep -q "^velora2003 ($version-[0-9]*) unstable; urgency=medium\$" \
  || fail "the package changelog has no entry for $version"

# A preset that exists only in this prefix's data folder.
printf '$0=123456\n' >"$data/palettes/probe.cfg"
mkdir "$work/run"
cd "$work/run" || exit 1
head -c 10018 /dev/zero >pic.vic
XDG_CONFIG_HOME=$work/config "$program" render pic.vic -o probe.bmp --palette probe \
  || fail "render with a preset from the prefix's data folder"
XDG_CONFIG_HOME=$work/config "$build/velora2003" render pic.vic -o expected.bmp \
  --palette "$data/palettes/probe.cfg" || fail "render with the build tree's program"
cmp -s probe.bmp expected.bmp || fail "the prefix's render differs from the build tree's"
XDG_CONFIG_HOME=$work/config "$program" render pic.vic -o plain.bmp || fail "plain render"
cmp -s probe.bmp plain.bmp && fail "the preset changed nothing"

# A file manager runs the thumbnailer's Exec line, the program found on PATH, with %s the size,
# %i the input and %o the PNG to write.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/thumbnailers/velora2003.thumbnailer")
command=${exec_line//%s/128}
command=${command//%i/$PWD/pic.vic}
command=${command//%o/$PWD/thumb.png}
PATH=$prefix/bin:$PATH XDG_CONFIG_HOME=$work/config $command || fail "the thumbnailer: $command"
[ "$(od -An -tx1 -j16 -N8 thumb.png | tr -d ' \n')" = 0000008000000050 ] \
  || fail "the thumbnail is no 128x80 PNG"

# The viewer finds its display module in the moved prefix; without a display it says so.
"$source_dir/tests/app/program_smoke_test.sh" "$program" || fail "the viewer from the prefix"
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$program" 2>"$work/no-display.err"
[ $? -eq 1 ] || fail "exit status without a display"
printf '%s\n' "Display mode cannot be changed (800x600 32bit)" \
  "No display was found: neither DISPLAY nor WAYLAND_DISPLAY is set" | cmp -s - "$work/no-display.err" \
  || fail "without a display: $(cat "$work/no-display.err")"

# Desktop entry and manual page.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/velora2003.desktop" || fail "desktop entry"
else
  fail "desktop-file-validate is missing (scripts/install-deps installs it)"
fi
grep -qx 'Exec=velora2003 %f' "$prefix/share/applications/velora2003.desktop" || fail "Exec line"
grep -qx 'Categories=Graphics;Viewer;' "$prefix/share/applications/velora2003.desktop" \
  || fail "Categories line"
page=$prefix/share/man/man1/velora2003.1.gz
rendered=$(MANWIDTH=80 man -l "$page" 2>"$work/man.err")
[ $? -eq 0 ] || fail "man -l"
for section in NAME SYNOPSIS KEYS FILES "EXIT STATUS" Velora2003.cfg XDG_CONFIG_HOME PageDown; do
  grep -q "$section" <<<"$rendered" || fail "manual page lacks $section"
done
warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "groff warnings: $warnings"
cmp -s <(zcat "$page") "$source_dir/data/velora2003.1" || fail "installed manual page differs"

exit $failed
