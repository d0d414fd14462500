#!/usr/bin/env bash
# Builds a small outer project that takes the source tree in with add_subdirectory, as
# a user's project would, and checks what it gets: the library alone (no test or
# benchmark targets), no -Werror in any compile command, no need for GoogleTest,
# Google Benchmark or CLI11; then runs the outer program.
#   check_subdir.sh SOURCE_DIR OUTER_PROJECT_DIR CXX GENERATOR [LAUNCHER]
set -euo pipefail
source=$1
outer=$2
cxx=$3
generator=$4
launcher=${5:-}
source "$(dirname "$0")/scratch.sh"
out=$scratch/build
quiet cmake -S "$outer" -B "$out" -G "$generator" -DCMAKE_CXX_COMPILER="$cxx" \
  ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} \
  -DLEDDISPLAY_SOURCE_DIR="$source" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_CLI11=ON

targets=$(cmake --build "$out" --target help)
if grep -Eq '(^|[[:space:]/])(test|bench)_[[:alnum:]_]*' <<<"$targets"; then
  echo "check_subdir: the outer build has our test or benchmark targets:" >&2
  grep -E '(^|[[:space:]/])(test|bench)_[[:alnum:]_]*' <<<"$targets" >&2
  exit 1
fi
if ! grep -q 'led_core' <<<"$targets"; then
  echo "check_subdir: the outer build lists no led_core target; is the help output read right?" >&2
  exit 1
fi
if grep -q -- '-Werror' "$out/compile_commands.json"; then
  echo "check_subdir: -Werror reaches the outer build's compile commands" >&2
  exit 1
fi
quiet cmake --build "$out" -j 2
"$out/subdir_consumer"
