# Sourced by the shell tests of built and installed files: a work folder of their own under
# TEMP_PARENT, removed at exit, and `fail`, which notes a failure and lets the test go on to
# report the rest; such a test ends with `exit $failed`.
# Usage: source script_work.sh TEMP_PARENT NAME
mkdir -p "$1"
work=$(mktemp -d "$(realpath "$1")/$2-XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
