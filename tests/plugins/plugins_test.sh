#!/usr/bin/env bash
# The desktop's image plugins of a build tree, read by real clients: gdk-pixbuf-thumbnailer (as
# GNOME's file manager runs it) and gdk_pixbuf_new_from_file through the loader module, and
# QImageReader by suffix and by content alone (as KDE's thumbnailer reads) through the Qt
# plugin. Each gives the picture exactly as `velora2003 thumbnail` draws it at full size, and a
# file that holds no picture gives the program's own reason.
# Usage: plugins_test.sh BUILD_DIR TEMP_PARENT SOURCE_DIR
# SANITIZER_PRELOAD (env): what a program built without sanitizers needs preloaded to load a
# module built with them.
set -u
build=$(realpath "$1")
samples=$(realpath "$3")/samples
source "$(dirname "$(realpath "$0")")/../support/script_work.sh" "$2" plugins

# Our file types, made for this test alone; the loaders cache and plugin folder of the build.
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_DATA_DIRS=/usr/share
export GDK_PIXBUF_MODULE_FILE=$build/plugins/gdk-pixbuf/loaders.cache
export QT_PLUGIN_PATH=$build/plugins/qt QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_DATA_HOME/mime/packages"
cp "$build/data/velora2003-mime.xml" "$XDG_DATA_HOME/mime/packages/velora2003.xml"
update-mime-database "$XDG_DATA_HOME/mime" || fail "update-mime-database"
# An emulator's character ROM, found by the plugins as by the program: text screens drawn alike.
mkdir -p "$HOME/.vice/C64"
head -c 4096 /dev/urandom >"$HOME/.vice/C64/chargen"

# Two PNG files hold the same pixels.
same_pixels() {
  cmp -s <(convert "$1" -depth 8 rgb:-) <(convert "$2" -depth 8 rgb:-)
}

thumbnailer=$(command -v gdk-pixbuf-thumbnailer)
[ -n "$thumbnailer" ] || echo "skipped: gdk-pixbuf-thumbnailer (package libgdk-pixbuf2.0-bin) is missing"
checked=0
for picture in 14-art-studio.vic 06-draz-lace.vic 17-crest-ufli.vic formats/koala-painter.koa; do
  name=$(basename "$picture")
  "$build/velora2003" thumbnail -s 640 "$samples/$picture" "$work/$name-expected.png" ||
    { fail "velora2003 thumbnail $picture"; continue; }
  if [ -n "$thumbnailer" ]; then
    env $SANITIZER_PRELOAD "$thumbnailer" -s 640 "$samples/$picture" "$work/$name-gnome.png" &&
      same_pixels "$work/$name-gnome.png" "$work/$name-expected.png" ||
      fail "gdk-pixbuf-thumbnailer -s 640 $picture differs from the thumbnail"
    env $SANITIZER_PRELOAD "$thumbnailer" -s 128 "$samples/$picture" "$work/$name-128.png" &&
      [ "$(identify -format %wx%h "$work/$name-128.png")" = 128x80 ] ||
      fail "gdk-pixbuf-thumbnailer -s 128 $picture is not 128x80"
  fi
  "$build/tests/plugins/pixbuf_read_image" "$samples/$picture" "$work/$name-gtk.png" &&
    same_pixels "$work/$name-gtk.png" "$work/$name-expected.png" ||
    fail "gdk_pixbuf_new_from_file $picture differs from the thumbnail"
  "$build/tests/plugins/qt_read_image" "$samples/$picture" "$work/$name-qt.png" &&
    same_pixels "$work/$name-qt.png" "$work/$name-expected.png" ||
    fail "QImageReader $picture differs from the thumbnail"
  # Without a suffix, by content alone.
  cp "$samples/$picture" "$work/unnamed"
  "$build/tests/plugins/qt_read_image" "$work/unnamed" "$work/$name-content.png" content &&
    same_pixels "$work/$name-content.png" "$work/$name-expected.png" ||
    fail "QImageReader deciding by content $picture differs from the thumbnail"
  checked=$((checked + 1))
done
[ $checked -gt 0 ] || fail "no picture was checked"

# Pictures only their names tell (Hires Manager's size and load address are an AFLI's too; a
# PETSCII screen, drawn with the ROM above, has a size of its own): a program that opens the
# file whole reads it as the program does.
for picture in hires-manager.him petscii-editor.pet; do
  expected=$work/$picture-expected.png
  "$build/velora2003" thumbnail -s 640 "$samples/formats/$picture" "$expected" ||
    fail "velora2003 thumbnail $picture"
  "$build/tests/plugins/pixbuf_read_image" "$samples/formats/$picture" "$work/$picture-gtk.png" &&
    same_pixels "$work/$picture-gtk.png" "$expected" ||
    fail "gdk_pixbuf_new_from_file $picture differs from the thumbnail"
  "$build/tests/plugins/qt_read_image" "$samples/formats/$picture" "$work/$picture-qt.png" &&
    same_pixels "$work/$picture-qt.png" "$expected" ||
    fail "QImageReader $picture differs from the thumbnail"
done

# A file whose size names no format: the loader's error is the program's reason.
broken=$work/broken.vic
cp "$samples/00-unknown-size.vic" "$broken"
"$build/tests/plugins/pixbuf_read_image" "$broken" "$work/broken.png" 2>"$work/gtk.err" &&
  fail "gdk-pixbuf read a file that holds no picture"
grep -q 'names no format' "$work/gtk.err" || fail "gdk-pixbuf's error: $(cat "$work/gtk.err")"
"$build/tests/plugins/qt_read_image" "$broken" "$work/broken.png" 2>/dev/null &&
  fail "Qt read a file that holds no picture"
# A PNG is not taken for a C64 picture when Qt decides by content.
cp "$work/14-art-studio.vic-expected.png" "$work/picture"
"$build/tests/plugins/qt_read_image" "$work/picture" "$work/png.png" content &&
  same_pixels "$work/png.png" "$work/picture" || fail "Qt's PNG reader lost a PNG to the plugin"

exit $failed
