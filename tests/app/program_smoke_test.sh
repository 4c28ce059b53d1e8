#!/usr/bin/env bash
# Starts the viewer on SDL's offscreen driver, lets it reach its frame loop, sends SIGTERM
# and expects exit status 0. Usage: program_smoke_test.sh PATH/TO/velora2003
set -u
program=$1
start_dir=$(mktemp -d "$PWD/smoke-XXXXXX")
trap 'rm -rf "$start_dir"' EXIT

SDL_VIDEODRIVER=offscreen "$program" --windowed "$start_dir" 2>"$start_dir.err" &
pid=$!
trap 'kill -KILL $pid 2>/dev/null; rm -rf "$start_dir" "$start_dir.err"' EXIT

alive() { kill -0 "$pid" 2>/dev/null; }
# SIGTERM is bit 14 of the caught-signals mask once the program's handler is in place.
term_caught() {
  local mask
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (( (16#$mask >> 14) & 1 ))
}
sleeping() { [ "$(awk '/^State:/ {print $2}' "/proc/$pid/status" 2>/dev/null)" = S ]; }

# Up to 10 s for the handler, then until the program sleeps between frames five polls running.
for _ in $(seq 500); do
  term_caught && break
  alive || break
  sleep 0.02
done
quiet=0
for _ in $(seq 500); do
  alive || break
  if sleeping; then quiet=$((quiet + 1)); else quiet=0; fi
  [ $quiet -ge 5 ] && break
  sleep 0.02
done
if ! alive; then
  wait "$pid"
  echo "the program ended by itself with status $? before SIGTERM:" >&2
  cat "$start_dir.err" >&2
  exit 1
fi

kill -TERM "$pid"
for _ in $(seq 500); do
  alive || break
  sleep 0.02
done
if alive; then
  echo "the program did not end within 10 s of SIGTERM" >&2
  exit 1
fi
wait "$pid"
status=$?
if [ $status -ne 0 ]; then
  echo "exit status $status after SIGTERM:" >&2
  cat "$start_dir.err" >&2
  exit 1
fi
