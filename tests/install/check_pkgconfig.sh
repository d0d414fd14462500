#!/usr/bin/env bash
# Installs the built project into a scratch prefix, then builds a one-file program
# with the compiler and the flags plain `pkg-config --cflags --libs leddisplay` gives
# (the form a user types, static or shared library alike), and runs it.
#   check_pkgconfig.sh BUILD_DIR CONSUMER_SOURCE CXX
set -euo pipefail
build=$1
source=$2
cxx=$3
source "$(dirname "$0")/scratch.sh"
pc=$(find "$scratch/prefix" -name leddisplay.pc)
if [ -z "$pc" ]; then
  echo "check_pkgconfig: no leddisplay.pc installed" >&2
  exit 1
fi
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$pc")
flags=$(pkg-config --cflags --libs leddisplay)
case " $flags " in
  *" -I$scratch/"*) ;;
  *) echo "check_pkgconfig: the include path is not in the installed prefix: $flags" >&2; exit 1 ;;
esac
# shellcheck disable=SC2086  # the flags are words
"$cxx" -std=c++20 -o "$scratch/consumer" "$source" $flags
# A shared library is found where it was installed, as a user's loader path would.
LD_LIBRARY_PATH=$(pkg-config --variable=libdir leddisplay) "$scratch/consumer"
