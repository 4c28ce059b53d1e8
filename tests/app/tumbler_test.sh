#!/usr/bin/env bash
# XFCE's thumbnail service (tumbler, as Thunar asks it over D-Bus) makes thumbnails of our files
# with the installed thumbnailer: a picture, one told by its extension alone, and a disk image
# (its first picture), each exactly as `velora2003 thumbnail` draws it; a file that holds no
# picture gets none. The service runs on a private session bus, with a private home.
# Usage: tumbler_test.sh BUILD_DIR TEMP_PARENT SOURCE_DIR
# SANITIZER_PRELOAD (env): set when the build's modules are built with sanitizers.
set -u
build=$(realpath "$1")
samples=$(realpath "$3")/samples
here=$(dirname "$(realpath "$0")")

service=/usr/share/dbus-1/services/org.xfce.Tumbler.Thumbnailer1.service
for need in "$service" /usr/bin/dbus-run-session /usr/bin/gio /usr/bin/python3; do
  if [ ! -e "$need" ]; then
    echo "skipped: $need is missing (scripts/install-deps installs tumbler, dbus-daemon," \
      "libglib2.0-bin and python3-gi)"
    exit 77
  fi
done
/usr/bin/python3 -c 'import gi' 2>/dev/null || { echo "skipped: python3-gi is missing"; exit 77; }

source "$here/../support/script_work.sh" "$2" tumbler

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
update-mime-database "$prefix/share/mime" || fail "update-mime-database"

# The service finds the thumbnailer and our file types in the prefix, the program on PATH; the
# desktop's own file types stay. No gvfs: nothing but local files is asked for.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache \
  XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work/tmp \
  XDG_DATA_DIRS=$prefix/share:/usr/share PATH=$prefix/bin:$PATH \
  GIO_USE_VFS=local GIO_USE_VOLUME_MONITOR=unix GIO_MODULE_DIR=$work/no-gio-modules
# With our loader in gdk-pixbuf, as after installing the package: the service must still run
# the program, which is told the file's name. A loader built with sanitizers cannot be loaded
# by the service (SANITIZER_PRELOAD names what it would need): then the program alone is there.
if [ -z "${SANITIZER_PRELOAD:-}" ]; then
  export GDK_PIXBUF_MODULE_FILE=$build/plugins/gdk-pixbuf/loaders.cache
else
  echo "note: the service runs without our gdk-pixbuf loader, which is built with sanitizers"
fi
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR" "$work/files"
chmod 700 "$XDG_RUNTIME_DIR"

files=(formats/koala-painter.koa formats/hires-manager.him pictures.d64 00-unknown-size.vic)
queue=()
declare -A uri_of
for file in "${files[@]}"; do
  cp "$samples/$file" "$work/files/"
  path=$work/files/$(basename "$file")
  # The URI and type exactly as GIO gives them to a file manager: the cache is named by the
  # URI's MD5.
  info=$(gio info -a standard::content-type "$path")
  uri_of[$file]=$(sed -n 's/^uri: //p' <<<"$info")
  queue+=("${uri_of[$file]}" "$(sed -n 's/^ *standard::content-type: //p' <<<"$info")")
done

dbus-run-session -- /usr/bin/python3 "$here/thumbnail_queue.py" normal "${queue[@]}" \
  >"$work/answers.txt" 2>"$work/bus.err" || fail "the service did not finish: $(cat "$work/bus.err")"
cat "$work/answers.txt"

cached() {
  echo "$XDG_CACHE_HOME/thumbnails/normal/$(printf %s "${uri_of[$1]}" | md5sum | cut -d' ' -f1).png"
}
for file in "${files[@]:0:3}"; do
  thumbnail=$(cached "$file")
  grep -qxF "ready ${uri_of[$file]}" "$work/answers.txt" || fail "$file: not ready"
  [ -f "$thumbnail" ] || { fail "$file: no thumbnail in the cache"; continue; }
  velora2003 thumbnail -s 128 "$work/files/$(basename "$file")" "$work/expected.png" ||
    { fail "$file: velora2003 thumbnail"; continue; }
  # The service keeps the PNG it read, with alpha: the colours are ours.
  cmp -s <(convert "$thumbnail" -alpha off -depth 8 rgb:-) \
    <(convert "$work/expected.png" -depth 8 rgb:-) || fail "$file: the thumbnail is not ours"
done
broken=${files[3]}
grep -qF "error ${uri_of[$broken]}" "$work/answers.txt" || fail "$broken: no error"
[ -f "$(cached "$broken")" ] && fail "$broken: a thumbnail of a file that holds no picture"

exit $failed
