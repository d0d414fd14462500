#!/usr/bin/env bash
# Installs the built project into a scratch prefix and checks its headers: the tree
# holds exactly the public list, the source tree marks every other header internal
# (first line "// Internal: not installed.") and no listed one, a public header
# includes no header that is not installed and no third-party header, and each
# compiles on its own (twice included).
#   check_headers.sh BUILD_DIR PUBLIC_HEADER_LIST CXX SOURCE_DIR
set -euo pipefail
build=$1
list=$2
cxx=$3
sources=$4/src/leddisplay
source "$(dirname "$0")/scratch.sh"
include=$scratch/prefix/include
failures=0
fail() {
  echo "check_headers: $*" >&2
  failures=$((failures + 1))
}

installed=$(cd "$include/leddisplay" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
expected=$(grep -v '^$' "$list" | LC_ALL=C sort)
if [ "$installed" != "$expected" ]; then
  fail "the installed headers differ from the public list (< installed, > list):"
  diff <(echo "$installed") <(echo "$expected") >&2 || true
fi

# The Qt host's, Qt widget's and Qt Quick item's folders are in the list only when they
# are built.
marker='// Internal: not installed.'
while read -r header; do
  case "$header" in
    qt/*) grep -q '^qt/' <<<"$expected" || continue ;;
    widgets/*) grep -q '^widgets/' <<<"$expected" || continue ;;
    quick/*) grep -q '^quick/' <<<"$expected" || continue ;;
  esac
  if grep -qxF "$header" <<<"$expected"; then
    [ "$(head -n 1 "$sources/$header")" != "$marker" ] || fail "$header is installed but marked internal"
  else
    [ "$(head -n 1 "$sources/$header")" = "$marker" ] ||
      fail "$header is not installed; its first line should be: $marker"
  fi
done < <(cd "$sources" && find . -name '*.h' | sed 's|^\./||' | LC_ALL=C sort)

for header in $installed; do
  path=$include/leddisplay/$header
  while read -r included; do
    [ -f "$include/$included" ] || fail "leddisplay/$header includes \"$included\", which is not installed"
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$path")
  # The standard library's headers have plain names; anything with a folder or an
  # extension belongs to another package a user would have to install. The Qt host's,
  # Qt widget's and Qt Quick item's headers are the exception: they are Qt's to declare,
  # and compile with Qt's flags.
  flags=()
  case "$header" in
    qt/* | widgets/*) read -r -a flags < <(pkg-config --cflags Qt6Widgets) && flags+=(-fPIC) ;;
    quick/*) read -r -a flags < <(pkg-config --cflags Qt6Quick) && flags+=(-fPIC) ;;
  esac
  [ ${#flags[@]} -gt 0 ] || while read -r included; do
    case "$included" in
      */* | *.h | *.hpp) fail "leddisplay/$header includes <$included>, a third-party header" ;;
    esac
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$path")
  printf '#include "leddisplay/%s"\n#include "leddisplay/%s"\n' "$header" "$header" |
    "$cxx" -x c++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$include" "${flags[@]}" - ||
    fail "leddisplay/$header does not compile on its own"
done
[ "$failures" -eq 0 ]
