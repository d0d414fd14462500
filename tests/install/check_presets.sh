#!/usr/bin/env bash
# Configures the source tree with each preset of CMakePresets.json, in a scratch folder,
# and checks what it would build: `release` the library, the tool and, when Qt's
# Designer parts are found, the Qt widget and its plugin, as Release, with no test or
# benchmark target; `dev` the tests and the benchmarks with -Werror. A preset may not
# set a variable the project does not read.
#   check_presets.sh SOURCE_DIR WITH_DESIGNER(ON|OFF)
set -euo pipefail
tree=$1
designer=$2
source "$(dirname "$0")/scratch.sh"
failures=0
fail() {
  echo "check_presets: $*" >&2
  failures=$((failures + 1))
}

configure() {  # PRESET: configures into $scratch/PRESET, prints the build's targets
  local out=$scratch/$1
  (cd "$tree" && cmake --preset "$1" -B "$out") >"$scratch/$1.log" 2>&1 ||
    { cat "$scratch/$1.log" >&2; return 1; }
  if grep -q 'Manually-specified variables were not used' "$scratch/$1.log"; then
    echo "check_presets: preset $1 sets variables the project does not read:" \
      "$(grep -A8 'Manually-specified' "$scratch/$1.log" | grep -E '^ +[A-Z_]+$' | tr -s ' \n' ' ')" >&2
    return 1
  fi
  cmake --build "$out" --target help
}

targets=$(configure release)
grep -q 'CMAKE_BUILD_TYPE:STRING=Release$' "$scratch/release/CMakeCache.txt" ||
  fail "preset release does not build Release"
for target in leddisplay leddisplay_tool; do
  grep -qw "$target" <<<"$targets" || fail "preset release builds no $target"
done
if [ "$designer" = ON ]; then
  for target in led_qt leddisplay_designer; do
    grep -qw "$target" <<<"$targets" || fail "preset release builds no $target"
  done
fi
if grep -Eq '(^|[[:space:]/])(test|bench)_[[:alnum:]_]*' <<<"$targets"; then
  fail "preset release builds test or benchmark targets"
fi

targets=$(configure dev)
for target in test_core bench_render; do
  grep -qw "$target" <<<"$targets" || fail "preset dev builds no $target"
done
grep -q 'LEDDISPLAY_WERROR:BOOL=ON$' "$scratch/dev/CMakeCache.txt" ||
  fail "preset dev does not make warnings errors"
[ "$failures" -eq 0 ]
