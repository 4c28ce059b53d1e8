#!/usr/bin/env bash
# Remakes the samples folder into a fresh folder and compares it with the committed one:
# samples_folder_test.sh SOURCE_DIR WORK_DIR (MAKE_SAMPLES and MAKE_D64 name the tools).
set -euo pipefail
source_dir="$1"
mkdir -p "$2"
fresh="$(mktemp -d "$2/samples.XXXXXX")"
trap 'rm -rf "$fresh"' EXIT

"$source_dir/scripts/make-samples-folder" "$fresh"

made="$(cd "$fresh" && find . -type f | sort)"
[ -n "$made" ] || { echo "the script made no files"; exit 1; }
status=0
while IFS= read -r file; do
  if ! cmp -s "$fresh/$file" "$source_dir/samples/$file"; then
    echo "samples/${file#./} differs from a fresh run (or is missing)"
    status=1
  fi
done <<<"$made"

# Files the repository holds but the script no longer makes; saved pictures and other
# untracked files that a user leaves in samples/ are not counted.
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  tracked="$(cd "$source_dir/samples" && git ls-files | { grep -vx 'README.md' || true; } | sed 's|^|./|' | sort)"
  stale="$(comm -23 <(printf '%s\n' "$tracked") <(printf '%s\n' "$made") | grep -v '^$' || true)"
  if [ -n "$stale" ]; then
    echo "tracked in samples/ but no longer made:"
    echo "$stale"
    status=1
  fi
fi
[ "$status" -eq 0 ] && echo "samples/ matches a fresh run ($(wc -l <<<"$made") files)"
exit "$status"
