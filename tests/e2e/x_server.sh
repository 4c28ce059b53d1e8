# Sourced by the end-to-end tests: an X server of their own, the viewer ($viewer_pid) and the
# server stopped when the test ends, screenshots, what the viewer shows on them, and waiting.
# The sourcing script sets $work (a folder for logs and screenshots).

xvfb_pid=""
viewer_pid=""

# Polls a condition every 0.1 s for at most $1 seconds.
wait_until() {
  local seconds="$1"
  shift
  local tries=$((seconds * 10))
  while [ "$tries" -gt 0 ]; do
    "$@" && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}

# An X server of our own of the screen size $1 (WIDTHxHEIGHT) on the first free display of
# :91..:99, without a window manager; DISPLAY names it.
start_xvfb() {
  local n
  for n in 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp -noreset </dev/null >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    local tries=100
    # A server that dies at once lost the display number to another one: try the next.
    while [ "$tries" -gt 0 ] && kill -0 "$xvfb_pid" 2>/dev/null; do
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
      sleep 0.1
      tries=$((tries - 1))
    done
    stop_xvfb
  done
  return 1
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  xvfb_pid=""
viewer_pid=""
}

stop_viewer() {
  if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then
    kill "$viewer_pid" 2>/dev/null
    wait "$viewer_pid" 2>/dev/null
  fi
  viewer_pid=""
}

# The viewer and the X server go when the test ends, however it ends.
end_session() {
  stop_viewer
  stop_xvfb
}
trap end_session EXIT
trap 'exit 1' INT TERM HUP

shot_count=0
shot=""
take_shot() {
  shot_count=$((shot_count + 1))
  shot="$work/shot-$shot_count.png"
  timeout 10 import -window root "$shot" 2>/dev/null
}

# Prints the colour at x, y of the last screenshot as RRGGBB.
pixel() {
  local hex
  hex="$(convert "$shot" -format "%[hex:p{$1,$2}]" info: 2>/dev/null)"
  hex="${hex#\#}"
  echo "${hex:0:6}" | tr 'a-f' 'A-F'
}

# The viewer's browser on an 800x600 screen: the grid header is silver, the inertia slider's
# thumb grey at index 5, the scroll indicator's thumb mid grey at the top of its track.
browser_shown() {
  take_shot || return 1
  [ "$(pixel 250 79)" = C0C0C0 ] && [ "$(pixel 715 105)" = 666666 ] &&
    [ "$(pixel 700 105)" = 9B8B8B ] && [ "$(pixel 597 92)" = 777777 ]
}
