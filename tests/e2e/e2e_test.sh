#!/usr/bin/env bash
# The viewer as a user meets it, in a window on its own X server: browse the samples, show
# a picture, step to the next one, save it as BMP, go back, open it again with a double click;
# enter a zip that holds a folder of Koala pictures, a disk image and a tape, show each of their
# pictures and step out again; and leave. What the window shows and the saved file are compared with the headless `render`
# of the same pictures.
#   e2e_test.sh VIEWER SAMPLES_DIR WORK_DIR
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail

viewer="$1"
samples="$2"
work_root="$3"
title="Velora2003 beta version"
skip_code=77

for tool in Xvfb xdotool import convert bsdtar python3; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit $skip_code; }
done

mkdir -p "$work_root"
work="$(mktemp -d "$work_root/run.XXXXXX")"
run="$work/samples"
source "$(dirname "$0")/x_server.sh"

fail() {
  echo "FAILED: $*"
  echo "screenshots and logs kept in $work"
  [ -f "$work/viewer.log" ] && sed 's/^/viewer: /' "$work/viewer.log"
  exit 1
}

start_xvfb 800x600 || { echo "skipped: no X server could be started on :91..:99"; exit $skip_code; }

# --- screenshots and what they show
# The 659x549 picture area (screen x 70, y 50) as raw RGB bytes.
picture_area_of_shot() {
  convert "$shot" -alpha off -crop 659x549+70+50 +repage -depth 8 "rgb:$1"
}

# The selected row's bar at the right end of the grid row.
row_selected() {
  take_shot || return 1
  [ "$(pixel 575 $((72 + 15 * $1 + 7)))" = AAAAAA ]
}
# The picture area equals the work surface that `render` makes of that picture.
picture_shown() {
  take_shot || return 1
  picture_area_of_shot "$work/screen.rgb" && cmp -s "$work/screen.rgb" "$1"
}
# Compares pixels, not files: the PNG files carry their time of writing.
screen_changed_from() {
  take_shot || return 1
  convert "$1" -alpha off -depth 8 "rgb:$work/before.rgb" &&
    convert "$shot" -alpha off -depth 8 "rgb:$work/after.rgb" &&
    ! cmp -s "$work/before.rgb" "$work/after.rgb"
}
viewer_ended() {
  ! kill -0 "$viewer_pid" 2>/dev/null
}

# --- the pictures: a single-frame one and the next picture after it
cp -r "$samples" "$run"
first="09-topaz-hires.vic"
second="10-mono-mci.vic"
for picture in "$first" "$second"; do
  (cd "$run" && "$viewer" render "$picture" -o "$work/$picture.png") </dev/null ||
    fail "render $picture"
  convert "$work/$picture.png" -alpha off -crop 659x549+0+0 +repage -depth 8 "rgb:$work/$picture.rgb"
done
(cd "$run" && "$viewer" render "$second" -o "$work/expected.bmp") </dev/null || fail "render BMP"

# A zip as collectors keep them, made by libarchive's bsdtar: a folder of Koala pictures, a
# disk image and a tape (written here; its record has the wrong end address of old tapes).
collection="$work/collection"
mkdir -p "$collection/koalas"
cp "$samples/formats/koala-painter.koa" "$collection/koalas/sunset.koa"
cp "$samples/formats/koala-painter-gg.gg" "$collection/koalas/twilight.gg"
cp "$samples/pictures.d64" "$collection/pictures.d64"
python3 - "$samples/14-art-studio.vic" "$collection/tape.t64" <<'PY'
import struct, sys
payload = open(sys.argv[1], "rb").read()
record = struct.pack("<BBHHHII", 1, 0x82, payload[0] | payload[1] << 8, 0xC3C6, 0, 128, 0)
header = b"C64S tape image file".ljust(32, b"\0") + struct.pack("<HHHH", 0x101, 2, 1, 0)
tape = header + b"TAPE".ljust(24) + record + b"ART STUDIO".ljust(16) + bytes(32) + payload[2:]
open(sys.argv[2], "wb").write(tape)
PY
(cd "$collection" && bsdtar -a -cf "$run/collection.zip" koalas pictures.d64 tape.t64) ||
  fail "bsdtar"
# The archive's entry numbers of its files, as list numbers them, and their pictures rendered.
entry_of() {
  (cd "$run" && "$viewer" list collection.zip) | awk -F'\t' -v name="$1" '$2 == name {print $1}'
}
zip_pictures=("$(entry_of koalas/sunset.koa)" "$(entry_of koalas/twilight.gg)"
  "$(entry_of pictures.d64):0" "$(entry_of tape.t64):0")
for entry in "${zip_pictures[@]}"; do
  (cd "$run" && "$viewer" render "collection.zip:$entry" -o "$work/zip-$entry.png") </dev/null ||
    fail "render collection.zip:$entry"
  convert "$work/zip-$entry.png" -alpha off -crop 659x549+0+0 +repage -depth 8 \
    "rgb:$work/zip-$entry.rgb"
done

# Grid row of the first picture: "..", the folders, the containers, then the pictures.
folders=$(find "$run" -mindepth 1 -maxdepth 1 -type d | wc -l)
row=$((2 + folders + $(find "$run" -maxdepth 1 -type f \( -iname '*.d64' -o -iname '*.zip' \) | wc -l)))
while IFS= read -r name; do
  [ "$name" = "$first" ] && break
  row=$((row + 1))
done < <(find "$run" -maxdepth 1 -type f -iname '*.vic' -printf '%f\n' | LC_ALL=C sort -f)

# --- the viewer in a window, started in the copied samples
(cd "$run" && SDL_AUDIODRIVER=dummy exec "$viewer" --windowed) </dev/null >"$work/viewer.log" 2>&1 &
viewer_pid=$!
window=""
find_window() {
  kill -0 "$viewer_pid" 2>/dev/null || return 1
  window="$(xdotool search --name "$title" 2>/dev/null | head -1)"
  [ -n "$window" ]
}
wait_until 20 find_window || fail "no window named \"$title\""
timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null
wait_until 10 browser_shown || fail "the browser is not shown (last screenshot $shot)"

xdotool key Home
for ((k = 1; k < row; k++)); do xdotool key Down; done
wait_until 10 row_selected "$row" || fail "row $row ($first) is not selected"

xdotool key Return
wait_until 10 picture_shown "$work/$first.rgb" || fail "$first is not shown as render draws it"

xdotool key Next
wait_until 10 picture_shown "$work/$second.rgb" || fail "PageDown does not show $second"

before_save="$shot"
xdotool key s
wait_until 10 screen_changed_from "$before_save" || fail "S shows no save prompt"
xdotool type --delay 40 "saved sunset.bmp"
xdotool key Return
saved="$run/saved sunset.bmp"
wait_until 15 test -f "$saved" || fail "\"saved sunset.bmp\" was not written"
bmps="$(find "$run" -maxdepth 1 -iname '*.bmp' | wc -l)"
[ "$bmps" -eq 1 ] || fail "$bmps BMP files were written, expected one"
cmp "$saved" "$work/expected.bmp" || fail "the saved BMP differs from render's"

xdotool key Escape
wait_until 10 browser_shown || fail "Escape does not return to the browser"
wait_until 10 row_selected "$((row + 1))" || fail "the selection is not on $second"

xdotool mousemove --window "$window" 100 $((72 + 15 * (row + 1) + 7)) click --repeat 2 --delay 80 1
wait_until 10 picture_shown "$work/$second.rgb" || fail "a double click does not show $second"
xdotool key Escape
wait_until 10 browser_shown || fail "Escape does not return to the browser after the double click"

# The zip sorts first among the containers, after ".." and the folders.
zip_row=$((2 + folders))
open_row() {
  xdotool key Home
  for ((k = 1; k < $1; k++)); do xdotool key Down; done
  wait_until 10 row_selected "$1" || fail "row $1 is not selected in $2"
  xdotool key Return
}
show_and_leave() {
  open_row "$1" "$2"
  wait_until 10 picture_shown "$work/zip-$3.rgb" || fail "$2: entry $3 is not shown as render draws it"
  xdotool key Escape
  wait_until 10 browser_shown || fail "Escape does not return to $2"
}
step_out() {
  xdotool key BackSpace
  wait_until 10 row_selected "$1" || fail "BackSpace does not come back to row $1 of $2"
}
# In the zip: "..", the folder koalas, then pictures.d64 and tape.t64; in the folder, the two
# pictures; in the disk image and the tape, their files from row 2 on.
open_row "$zip_row" "the samples"
open_row 2 "collection.zip"
show_and_leave 2 "koalas" "${zip_pictures[0]}"
show_and_leave 3 "koalas" "${zip_pictures[1]}"
step_out 2 "collection.zip"
open_row 3 "collection.zip"
show_and_leave 2 "pictures.d64" "${zip_pictures[2]}"
step_out 3 "collection.zip"
open_row 4 "collection.zip"
show_and_leave 2 "tape.t64" "${zip_pictures[3]}"
step_out 4 "collection.zip"
step_out "$zip_row" "the samples"

before_exit="$shot"
xdotool key Escape
wait_until 10 screen_changed_from "$before_exit" || fail "Escape asks no exit question"
viewer_ended && fail "the viewer ended before the exit question was answered"
xdotool key Return
wait_until 10 viewer_ended || fail "Return on the exit question does not end the viewer"
wait "$viewer_pid"
status=$?
viewer_pid=""
[ "$status" -eq 0 ] || fail "the viewer ended with status $status"

# --- a picture taller than the picture area, named on the command line: it starts at its
# top, a cursor key moves it a line, End to its bottom and Home back.
tall="formats/bfli.bfli"
(cd "$run" && "$viewer" render "$tall" -o "$work/tall.png") </dev/null || fail "render $tall"
for line in 0 1 200; do
  convert "$work/tall.png" -alpha off -crop "592x400+0+$((2 * line))" +repage -depth 8 \
    "rgb:$work/tall-$line.rgb"
done
# The window over the picture: 296 pixels drawn 2 x 2 wide, 200 lines high.
window_shows() {
  take_shot || return 1
  convert "$shot" -alpha off -crop 592x400+70+50 +repage -depth 8 "rgb:$work/window.rgb" &&
    cmp -s "$work/window.rgb" "$work/tall-$1.rgb"
}
(cd "$run" && SDL_AUDIODRIVER=dummy exec "$viewer" --windowed "$tall") </dev/null \
  >"$work/viewer.log" 2>&1 &
viewer_pid=$!
wait_until 20 find_window || fail "no window named \"$title\" for $tall"
timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null
wait_until 10 window_shows 0 || fail "$tall does not start at its top (last screenshot $shot)"
xdotool key Down
wait_until 10 window_shows 1 || fail "Down does not move the window a line"
xdotool key End
wait_until 10 window_shows 200 || fail "End does not show the bottom of $tall"
xdotool key Home
wait_until 10 window_shows 0 || fail "Home does not show the top of $tall again"
before_browser="$shot"
xdotool key Escape
wait_until 10 screen_changed_from "$before_browser" || fail "Escape does not leave $tall"
before_exit="$shot"
xdotool key Escape
wait_until 10 screen_changed_from "$before_exit" || fail "Escape asks no exit question"
xdotool key Return
wait_until 10 viewer_ended || fail "the viewer does not end after $tall"
wait "$viewer_pid"
viewer_pid=""

rm -rf "$work"
echo "passed"
