#!/usr/bin/env bash
# Full screen on an X server without a window manager, as on a box that runs only the viewer:
# the 800x600 frame fills the screen as it does under a window manager, scaled to fit with
# black bars. On a 1024x768 and a 1280x1024 screen each corner of the frame on screen is that
# corner of the frame at 800x600, scaled, and the bars are black.
#   fullscreen_test.sh VIEWER SAMPLES_DIR WORK_DIR
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -uo pipefail

viewer="$1"
samples="$2"
work_root="$3"
skip_code=77

for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit $skip_code; }
done

mkdir -p "$work_root"
work="$(mktemp -d "$work_root/run.XXXXXX")"
source "$(dirname "$0")/x_server.sh"

fail() {
  echo "FAILED: $*"
  echo "screenshots and logs kept in $work"
  exit 1
}

# The frame on a WIDTHxHEIGHT screen as SDL fits a logical size to it: scale, width, height and
# top-left corner; bars above and below where the screen is taller than 4:3, else beside it.
read_fit() {
  read -r scale frame_width frame_height frame_x frame_y < <(awk -v w="${1%x*}" -v h="${1#*x}" '
    BEGIN {
      if (w / h > 800 / 600) { s = h / 600; fw = int(800 * s + 0.999999); fh = h; x = int((w - fw) / 2); y = 0 }
      else { s = w / 800; fw = w; fh = int(600 * s + 0.999999); x = 0; y = int((h - fh) / 2) }
      printf "%.6f %d %d %d %d\n", s, fw, fh, x, y
    }')
}

# Whether the area of the last screenshot is black throughout.
all_black() {
  [ "$(convert "$shot" -crop "$1" +repage -format '%[fx:maxima]' info: 2>/dev/null)" = 0 ]
}

# How far (root mean square, 0..1) a 100x75 corner block of the 800x600 frame at ($1, $2) is
# from the same block on the last screenshot, scaled back to 100x75.
corner_distance() {
  local x y w h
  read -r x y w h < <(awk -v s="$scale" -v fx="$frame_x" -v fy="$frame_y" -v cx="$1" -v cy="$2" \
    'BEGIN { printf "%d %d %d %d\n", fx + cx * s, fy + cy * s, 100 * s, 75 * s }')
  convert "$work/800x600.png" -crop "100x75+$1+$2" +repage "$work/want.png"
  convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -resize '100x75!' "$work/got.png"
  compare -metric RMSE "$work/want.png" "$work/got.png" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/'
}

# The frame fills the last screenshot of the WIDTHxHEIGHT screen: its four corners where they
# belong, the bars black.
frame_fills() {
  take_shot || return 1
  read_fit "$1"
  local width="${1%x*}" height="${1#*x}" corner distance
  if [ "$frame_y" -gt 0 ]; then
    all_black "${width}x${frame_y}+0+0" || return 1
    all_black "${width}x$((height - frame_y - frame_height))+0+$((frame_y + frame_height))" ||
      return 1
  fi
  if [ "$frame_x" -gt 0 ]; then
    all_black "${frame_x}x${height}+0+0" || return 1
    all_black "$((width - frame_x - frame_width))x${height}+$((frame_x + frame_width))+0" ||
      return 1
  fi
  for corner in "0 0" "700 0" "0 525" "700 525"; do
    # shellcheck disable=SC2086
    distance="$(corner_distance $corner)"
    awk -v d="$distance" 'BEGIN { exit !(d < 0.04) }' || return 1
  done
}

# The viewer full screen, in the samples folder, on a new X server of the size $1; waits for
# $2 (given the size) to hold, keeps the screenshot as $1.png and ends both.
screen_at() {
  start_xvfb "$1" || { echo "skipped: no X server could be started on :91..:99"; exit $skip_code; }
  (cd "$samples" && SDL_AUDIODRIVER=dummy exec "$viewer") </dev/null >"$work/viewer-$1.log" 2>&1 &
  viewer_pid=$!
  wait_until 20 "$2" "$1" || fail "the screen at $1 never showed the whole frame (last screenshot $shot)"
  cp "$shot" "$work/$1.png"
  stop_viewer
  stop_xvfb
}

at_800x600() {
  browser_shown
}
screen_at 800x600 at_800x600
for size in 1024x768 1280x1024; do
  screen_at "$size" frame_fills
done

rm -rf "$work"
echo "passed"
