#!/usr/bin/env bash
# Installs the built project into a scratch prefix, then configures, builds and runs a
# small project that finds it with find_package(leddisplay).
#   check_consumer.sh BUILD_DIR CONSUMER_SOURCE_DIR CXX
set -euo pipefail
build=$1
consumer=$2
cxx=$3
source "$(dirname "$0")/scratch.sh"
quiet cmake -S "$consumer" -B "$scratch/build" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$scratch/prefix"
quiet cmake --build "$scratch/build"
"$scratch/build/consumer"
