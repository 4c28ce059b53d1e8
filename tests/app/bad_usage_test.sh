#!/usr/bin/env bash
# Bad usage ends with exit status 2 and one line on stderr; --help and --version with 0.
# Usage: bad_usage_test.sh PATH/TO/velora2003
set -u
program=$1
failed=0
file=$(mktemp "$PWD/not-a-dir-XXXXXX")
trap 'rm -f "$file"' EXIT

expect() {
  local want=$1 lines=$2
  shift 2
  local err status
  err=$("$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne "$want" ] || [ "$(printf '%s' "$err" | grep -c '')" -ne "$lines" ]; then
    echo "FAIL: ${*:2}: status $status, stderr: $err" >&2
    failed=1
  fi
}

expect 2 1 "$program" --bogus
expect 2 1 "$program" --scale 0
expect 2 1 "$program" --scale abc
expect 2 1 "$program" --scale
expect 2 1 "$program" /no/such/directory
expect 2 1 "$program" --palette "$file.missing"
expect 2 1 "$program" --windowed one two
expect 0 0 "$program" --help
expect 0 0 "$program" --version
"$program" --version | grep -q '^velora2003 ' || { echo "FAIL: --version text" >&2; failed=1; }
exit $failed
