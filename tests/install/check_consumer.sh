#!/usr/bin/env bash
# Installs the built project into a scratch prefix, then configures, builds and runs a
# small project that finds it with find_package(leddisplay).
#   check_consumer.sh BUILD_DIR CONSUMER_SOURCE_DIR CXX
set -euo pipefail
build=$1
consumer=$2
cxx=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Runs a step, showing its output only when it fails.
quiet() {
  "$@" >"$scratch/step.log" 2>&1 || { cat "$scratch/step.log" >&2; return 1; }
}
quiet cmake --install "$build" --prefix "$scratch/prefix"
quiet cmake -S "$consumer" -B "$scratch/build" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$scratch/prefix"
quiet cmake --build "$scratch/build"
"$scratch/build/consumer"
