#!/usr/bin/env bash
# Runs Doxygen over the installed headers (the build's Doxyfile) into a scratch folder
# and fails on any warning: an undocumented public declaration, a broken reference.
#   check_docs.sh DOXYGEN DOXYFILE
set -euo pipefail
doxygen=$1
doxyfile=$2
source "$(dirname "$0")/scratch.sh"

{ cat "$doxyfile"; echo "OUTPUT_DIRECTORY = $scratch"; echo "WARN_LOGFILE = $scratch/warnings.txt"; } |
  quiet "$doxygen" -
failures=0
while read -r warning; do
  echo "check_docs: $warning" >&2
  failures=$((failures + 1))
done < <(grep -E '^/[^:]+:[0-9]+: warning:' "$scratch/warnings.txt" || true)
[ "$failures" -eq 0 ]
