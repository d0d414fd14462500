#!/usr/bin/env bash
# Configures the library alone (no Qt widget) in a scratch build as the other kind of
# libleddisplay than the main build's (BUILD_SHARED_LIBS=ON: shared, OFF: static), then
# runs the find_package and the pkg-config checks against it: each installs it, builds
# the consumer and runs it.
#   check_kind.sh SOURCE_DIR CONSUMER_SOURCE_DIR CXX GENERATOR BUILD_TYPE SHARED [LAUNCHER]
set -euo pipefail
source=$1
consumer=$2
cxx=$3
generator=$4
build_type=$5
shared=$6
launcher=${7:-}
checks=$(dirname "$0")
source "$checks/scratch.sh"
out=$scratch/build
quiet cmake -S "$source" -B "$out" -G "$generator" -DCMAKE_CXX_COMPILER="$cxx" \
  ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} -DCMAKE_BUILD_TYPE="$build_type" \
  -DBUILD_SHARED_LIBS="$shared" -DLEDDISPLAY_INSTALL=ON -DLEDDISPLAY_TESTS=OFF -DLEDDISPLAY_BENCH=OFF \
  -DLEDDISPLAY_TOOLS=OFF -DLEDDISPLAY_EXAMPLES=OFF -DLEDDISPLAY_QT=OFF
quiet cmake --build "$out" -j 2
case $shared in
  ON) library=libleddisplay.so ;;
  *) library=libleddisplay.a ;;
esac
if ! ls "$out/$library"* >/dev/null 2>&1; then
  echo "check_kind: BUILD_SHARED_LIBS=$shared built no $library" >&2
  exit 1
fi
bash "$checks/check_consumer.sh" "$out" "$consumer" "$cxx"
bash "$checks/check_pkgconfig.sh" "$out" "$consumer/main.cpp" "$cxx"
