#!/usr/bin/env bash
# Runs qmllint, with IMPORT_DIR on its import path, over QML files and over every ```qml
# block of a Markdown file, and fails when qmllint fails on any of them, naming each
# one with qmllint's messages. A block without import lines is a fragment, linted as a
# file with the imports a reader of the README has: QtQuick, QtQuick.Controls,
# QtQuick.Layouts and LedDisplay.
#   check_qmllint.sh QMLLINT IMPORT_DIR MARKDOWN [QML_FILE...]
set -euo pipefail
qmllint=$1
import_dir=$2
markdown=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Each block to a file named by the line of its opening fence: Block317.qml.
awk -v out="$scratch" '
  /^```qml[[:space:]]*$/ { file = sprintf("%s/Block%d.qml", out, NR); next }
  /^```/ && file { close(file); file = ""; next }
  file { print > file }
' "$markdown"
blocks=("$scratch"/Block*.qml)
if [ ! -e "${blocks[0]}" ]; then
  echo "check_qmllint: no \`\`\`qml blocks in $markdown" >&2
  exit 1
fi
for block in "${blocks[@]}"; do
  if ! grep -q '^import ' "$block"; then
    { printf 'import %s\n' QtQuick QtQuick.Controls QtQuick.Layouts LedDisplay; cat "$block"; } \
      >"$block.full"
    mv "$block.full" "$block"
  fi
done

failed=0
lint() {  # NAME FILE: lints FILE, reporting it as NAME
  local messages
  if messages=$("$qmllint" -I "$import_dir" "$2" 2>&1); then return; fi
  failed=$((failed + 1))
  {
    echo "check_qmllint: qmllint fails on $1:"
    echo "$messages"
    if [ "$1" != "$2" ]; then
      echo "  (the block as linted:)"
      cat -n "$2"
    fi
    echo
  } >&2
}
for file in "$@"; do lint "$file" "$file"; done
for block in "${blocks[@]}"; do
  line=${block##*/Block}
  lint "$markdown, the block at line ${line%.qml}" "$block"
done
total=$(($# + ${#blocks[@]}))
if [ "$failed" -ne 0 ]; then
  echo "check_qmllint: $failed of $total QML files and blocks fail" >&2
  exit 1
fi
echo "check_qmllint: $# QML files and ${#blocks[@]} blocks of $markdown lint clean"
