#!/usr/bin/env bash
# Installs the built project into a scratch prefix, then configures, builds and runs a
# small project that finds it with find_package(leddisplay), and runs it (with the
# installed plugin folder on QT_PLUGIN_PATH when a Designer plugin was installed).
# A project with a qml_only program (the Qt Quick consumer) also shows that a program
# that only loads QML needs no link to our libraries; given QMLLINT, the project's QML
# files are linted against the installed module, whose type information must suffice.
# With GTK_EXAMPLE set (examples/gtk), that standalone project is built against the prefix
# too, and run once under xvfb-run when there is one.
#   check_consumer.sh BUILD_DIR CONSUMER_SOURCE_DIR CXX [QMLLINT]
set -euo pipefail
build=$1
consumer=$2
cxx=$3
qmllint=${4:-}
source "$(dirname "$0")/scratch.sh"
quiet cmake -S "$consumer" -B "$scratch/build" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$scratch/prefix"
quiet cmake --build "$scratch/build"
# An installed Designer plugin is found as a user finds it: through QT_PLUGIN_PATH.
designer=$(find "$scratch/prefix" -type d -path '*/plugins/designer' -print -quit)
if [ -n "$designer" ]; then
  # Designer itself links none of our libraries: the plugin finds them by its run path.
  if missing=$(ldd "$designer"/*.so | grep 'not found'); then
    echo "check_consumer: the installed Designer plugin does not find: $missing" >&2
    exit 1
  fi
  QT_PLUGIN_PATH=$(dirname "$designer") "$scratch/build/consumer"
else
  "$scratch/build/consumer"
fi

if [ -n "${GTK_EXAMPLE:-}" ]; then
  quiet cmake -S "$GTK_EXAMPLE" -B "$scratch/gtk" -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_PREFIX_PATH="$scratch/prefix"
  quiet cmake --build "$scratch/gtk"
  if command -v xvfb-run >/dev/null; then
    quiet xvfb-run -a "$scratch/gtk/gtk_panel" --grab "$scratch/gtk.png"
  fi
fi

# qml_only needs none of our libraries at load time (its dynamic section names none): the
# module's plugin brings them when Readout.qml imports LedDisplay.
qml_only=$scratch/build/qml_only
if [ -e "$qml_only" ]; then
  if ours=$(readelf -d "$qml_only" | grep NEEDED | grep leddisplay); then
    echo "check_consumer: qml_only should link Qt alone, but needs: $ours" >&2
    exit 1
  fi
  "$qml_only"
fi

if [ -n "$qmllint" ]; then
  module=$(find "$scratch/prefix" -type d -path '*/qml/LedDisplay' -print -quit)
  if [ -z "$module" ]; then
    echo "check_consumer: no qml/LedDisplay folder in the installed prefix" >&2
    exit 1
  fi
  for file in "$consumer"/*.qml; do
    if ! messages=$("$qmllint" -I "$(dirname "$module")" "$file" 2>&1); then
      echo "check_consumer: qmllint against the installed module warns on $file:" >&2
      echo "$messages" >&2
      exit 1
    fi
  done
  echo "check_consumer: the consumer's QML lints clean against $(dirname "$module")"
fi
