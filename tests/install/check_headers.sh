#!/usr/bin/env bash
# Installs the built project into a scratch prefix and checks its headers: the tree
# holds exactly the public list, a public header includes no header that is not
# installed and no third-party header, and each compiles on its own (twice included).
#   check_headers.sh BUILD_DIR PUBLIC_HEADER_LIST CXX
set -euo pipefail
build=$1
list=$2
cxx=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Runs a step, showing its output only when it fails.
quiet() {
  "$@" >"$scratch/step.log" 2>&1 || { cat "$scratch/step.log" >&2; return 1; }
}
quiet cmake --install "$build" --prefix "$scratch/prefix"
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

for header in $installed; do
  path=$include/leddisplay/$header
  while read -r included; do
    [ -f "$include/$included" ] || fail "leddisplay/$header includes \"$included\", which is not installed"
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$path")
  # The standard library's headers have plain names; anything with a folder or an
  # extension belongs to another package a user would have to install.
  while read -r included; do
    case "$included" in
      */* | *.h | *.hpp) fail "leddisplay/$header includes <$included>, a third-party header" ;;
    esac
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$path")
  printf '#include "leddisplay/%s"\n#include "leddisplay/%s"\n' "$header" "$header" |
    "$cxx" -x c++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$include" - ||
    fail "leddisplay/$header does not compile on its own"
done
[ "$failures" -eq 0 ]
