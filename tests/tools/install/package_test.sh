#!/usr/bin/env bash
# Checks the Debian package: lintian reports no error or warning, it depends on the archive
# library it reads archives with, its programs are hardened, and the program unpacked from it
# runs there: --version, a render and the viewer.
# Usage: package_test.sh PACKAGE.deb|BUILD_DIR TEMP_PARENT SOURCE_DIR
# Given a build folder, the package is made from it first, with CPack, in a temporary folder.
set -u
source_dir=$(realpath "$3")
mkdir -p "$2"
work=$(mktemp -d "$(realpath "$2")/package-XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

if [ -d "$1" ]; then
  cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work/made" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
  }
  package=$(find "$work/made" -maxdepth 1 -name 'velora2003_*.deb')
else
  package=$1
fi
[ -f "$package" ] || { echo "FAIL: no package" >&2; exit 1; }

# Root runs lintian too, with a note on stderr that says so.
lintian -I -E --pedantic "$package" >"$work/lintian.txt" 2>"$work/lintian.err"
[ $? -le 1 ] || fail "lintian did not run: $(cat "$work/lintian.err")"
cat "$work/lintian.txt"
grep -q '^[EW]: ' "$work/lintian.txt" && fail "lintian reports errors or warnings"

dpkg-deb -f "$package" Depends | grep -q 'libarchive13' || fail "the package does not depend on libarchive"
dpkg-deb -f "$package" Recommends | grep -q 'fonts-wqy-zenhei' ||
  fail "the package does not recommend a font for Chinese, Japanese and Korean names"

root=$work/root
dpkg-deb -x "$package" "$root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
program=$root/usr/bin/velora2003
module=$(find "$root/usr/lib" -name velora2003-sdl.so)
[ -n "$module" ] || fail "the display module is not in the package"
for elf in "$program" $module; do
  readelf -d "$elf" | grep -q 'FLAGS.*BIND_NOW' || fail "$elf is not bound now"
  readelf -lW "$elf" | grep -q GNU_RELRO || fail "$elf has no read-only relocations"
  readelf --dyn-syms -W "$elf" | grep -q ' __stack_chk_fail' || fail "$elf has no stack protector"
done
readelf --dyn-syms -W "$program" | grep -q ' __[a-z]*_chk' || fail "no fortified calls"
# libarchive and the libraries it needs would load at every start; it is opened with the first
# archive instead.
readelf -d "$program" | grep -q 'NEEDED.*libarchive' && fail "the program links libarchive"

version=$(dpkg-deb -f "$package" Version)
[ "$("$program" --version)" = "velora2003 ${version%-*}" ] || fail "--version is not ${version%-*}"
cd "$work" || exit 1
"$program" render "$source_dir/samples/14-art-studio.vic" -o shown.png || fail "render"
[ "$(od -An -tx1 -N8 shown.png | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "render wrote no PNG"
"$source_dir/tests/app/program_smoke_test.sh" "$program" || fail "the viewer from the package"

exit $failed
