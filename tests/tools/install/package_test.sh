#!/usr/bin/env bash
# Checks the Debian packages: lintian reports no error or warning on either, the program's
# depends on the archive library it reads archives with, their programs and modules are
# hardened, the program unpacked from the first runs there (--version, a render and the
# viewer), its gdk-pixbuf loader loads, and the second carries the Qt image plugin.
# Usage: package_test.sh BUILD_DIR TEMP_PARENT SOURCE_DIR
#        package_test.sh PACKAGE.deb TEMP_PARENT SOURCE_DIR QT_PLUGIN_PACKAGE.deb
# Given a build folder, the packages are made from it first, with CPack, in a temporary folder.
set -u
source_dir=$(realpath "$3")
source "$(dirname "$(realpath "$0")")/../../support/script_work.sh" "$2" package

if [ -d "$1" ]; then
  cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work/made" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
  }
  package=$(find "$work/made" -maxdepth 1 -name 'velora2003_*.deb')
  qt_package=$(find "$work/made" -maxdepth 1 -name 'velora2003-qt5-plugin_*.deb')
else
  package=$1
  qt_package=${4:-}
fi
[ -f "$package" ] || { echo "FAIL: no package" >&2; exit 1; }
[ -f "$qt_package" ] || { echo "FAIL: no Qt plugin package" >&2; exit 1; }

# Root runs lintian too, with a note on stderr that says so.
for made in "$package" "$qt_package"; do
  lintian -I -E --pedantic "$made" >"$work/lintian.txt" 2>"$work/lintian.err"
  [ $? -le 1 ] || fail "lintian did not run: $(cat "$work/lintian.err")"
  cat "$work/lintian.txt"
  grep -q '^[EW]: ' "$work/lintian.txt" && fail "lintian reports errors or warnings on $made"
done

dpkg-deb -f "$package" Depends | grep -q 'libarchive13' || fail "the package does not depend on libarchive"
dpkg-deb -f "$package" Recommends | grep -q 'fonts-wqy-zenhei' ||
  fail "the package does not recommend a font for Chinese, Japanese and Korean names"

root=$work/root
dpkg-deb -x "$package" "$root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
dpkg-deb -x "$qt_package" "$root" || { echo "FAIL: dpkg-deb -x of the Qt plugin" >&2; exit 1; }
program=$root/usr/bin/velora2003
module=$(find "$root/usr/lib" -name velora2003-sdl.so)
[ -n "$module" ] || fail "the display module is not in the package"
# Where gdk-pixbuf and Qt 5 look for them, as their own packages put theirs.
loader=$root$(pkg-config --variable=gdk_pixbuf_moduledir gdk-pixbuf-2.0)/libpixbufloader-velora2003.so
[ -f "$loader" ] || fail "the gdk-pixbuf loader is not in the package"
qt_plugin=$root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt5/plugins/imageformats/libqvelora2003.so
[ -f "$qt_plugin" ] || fail "the Qt image plugin is not in its package"
dpkg-deb -c "$qt_package" | grep -q 'usr/bin' && fail "the Qt plugin's package carries programs"
for elf in "$program" $module "$loader" "$qt_plugin"; do
  readelf -d "$elf" | grep -q 'FLAGS.*BIND_NOW' || fail "$elf is not bound now"
  readelf -lW "$elf" | grep -q GNU_RELRO || fail "$elf has no read-only relocations"
  readelf --dyn-syms -W "$elf" | grep -q ' __stack_chk_fail' || fail "$elf has no stack protector"
done
readelf --dyn-syms -W "$program" | grep -q ' __[a-z]*_chk' || fail "no fortified calls"
# libarchive, fontconfig, FreeType, libpng and the libraries they need would load at every
# start; each is opened when first needed instead, and the package depends on it by name. The
# C++ runtime is linked in.
readelf -d "$program" | grep -q 'NEEDED.*libstdc++' && fail "the program loads libstdc++"
for opened in libarchive libfontconfig libfreetype libpng; do
  readelf -d "$program" | grep -q "NEEDED.*$opened" && fail "the program links $opened"
  dpkg-deb -f "$package" Depends | grep -q "${opened#lib}" || fail "no dependency on $opened"
done
# The plugins carry the C64 core alone: no screen, fonts or archives come into their hosts.
for plugin in "$loader" "$qt_plugin"; do
  readelf -d "$plugin" | grep -E 'NEEDED.*(SDL|freetype|fontconfig|archive|png)' &&
    fail "$plugin links more than the C64 core needs"
done
# The loader shows gdk-pixbuf its two entry points alone, and gdk-pixbuf's own tool loads it.
[ "$(nm -D --defined-only "$loader" | awk '{print $3}' | sort | tr '\n' ' ')" = \
  "fill_info fill_vtable " ] || fail "the loader exports more than its entry points"
"$(pkg-config --variable=gdk_pixbuf_query_loaders gdk-pixbuf-2.0)" "$loader" 2>"$work/query.err" |
  grep -q '^"image/x-c64-picture"' || fail "gdk-pixbuf cannot load the packaged loader: $(cat "$work/query.err")"

version=$(dpkg-deb -f "$package" Version)
[ "$("$program" --version)" = "velora2003 ${version%-*}" ] || fail "--version is not ${version%-*}"
cd "$work" || exit 1
"$program" render "$source_dir/samples/14-art-studio.vic" -o shown.png || fail "render"
[ "$(od -An -tx1 -N8 shown.png | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "render wrote no PNG"
"$source_dir/tests/app/program_smoke_test.sh" "$program" || fail "the viewer from the package"

exit $failed
