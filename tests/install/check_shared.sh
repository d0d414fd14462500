#!/usr/bin/env bash
# Configures the library alone as a shared library (BUILD_SHARED_LIBS=ON) in a scratch
# build, then runs the find_package and the pkg-config checks against it: each installs
# it, builds the consumer and runs it.
#   check_shared.sh SOURCE_DIR CONSUMER_SOURCE_DIR CXX GENERATOR BUILD_TYPE [LAUNCHER]
set -euo pipefail
source=$1
consumer=$2
cxx=$3
generator=$4
build_type=$5
launcher=${6:-}
checks=$(dirname "$0")
source "$checks/scratch.sh"
out=$scratch/build
quiet cmake -S "$source" -B "$out" -G "$generator" -DCMAKE_CXX_COMPILER="$cxx" \
  ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} -DCMAKE_BUILD_TYPE="$build_type" \
  -DBUILD_SHARED_LIBS=ON -DLEDDISPLAY_INSTALL=ON -DLEDDISPLAY_TESTS=OFF -DLEDDISPLAY_BENCH=OFF \
  -DLEDDISPLAY_TOOLS=OFF -DLEDDISPLAY_EXAMPLES=OFF -DLEDDISPLAY_QT=OFF
quiet cmake --build "$out" -j 2
if ! ls "$out"/libleddisplay.so* >/dev/null 2>&1; then
  echo "check_shared: BUILD_SHARED_LIBS=ON built no libleddisplay.so" >&2
  exit 1
fi
bash "$checks/check_consumer.sh" "$out" "$consumer" "$cxx"
bash "$checks/check_pkgconfig.sh" "$out" "$consumer/main.cpp" "$cxx"
