#!/usr/bin/env bash
# Checks the arrows between the folders of src/leddisplay/ over their #include lines:
# each folder includes only the leddisplay folders below it, and the control's layers
# (core, model, host, render, control) include nothing but the standard library. A
# wrong include fails naming the file and the line.
#   check_layers.sh SOURCE_DIR
set -euo pipefail
src=$1/src

# The leddisplay folders each folder may include (its own folder always).
declare -A allowed=(
  [core]=""
  [model]="core"
  [host]="core"
  [render]="model host core"
  [control]="render model host core"
  [platform/raster]="host core"
  [platform/text]="platform/raster host core"
  [platform/io]="platform/raster host core"
  [platform/form]="platform/text platform/io platform/raster host core"
  [platform/vector]="platform/text platform/raster host core"
  [platform/cairo]="platform/vector platform/form platform/text platform/io platform/raster host core"
  [platform/kit]="control platform/form platform/text platform/io platform/raster host core"
  # The shared Qt host includes no front end; the front ends include it and what it may,
  # and not each other.
  [qt]="control model host core platform/kit platform/vector platform/text platform/raster platform/io"
  [widgets]="qt control model host core platform/kit platform/vector platform/text platform/raster platform/io"
  [quick]="qt platform/kit control host core"
)
# The control's layers run on any host: the standard library's headers only.
standard_only=" core model host render control "

failures=0
fail() {
  echo "check_layers: $*" >&2
  failures=$((failures + 1))
}

folders=$(cd "$src/leddisplay" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort)
for folder in $folders; do
  [ -n "$(find "$src/leddisplay/$folder" -maxdepth 1 -type f)" ] || continue
  [ -n "${allowed[$folder]+set}" ] || { fail "src/leddisplay/$folder has no rule here"; continue; }
  for path in "$src/leddisplay/$folder"/*; do
    [ -f "$path" ] || continue
    file=$folder/$(basename "$path")
    while IFS=: read -r line text; do
      if [[ $text =~ \#[[:space:]]*include[[:space:]]*\"leddisplay/(.*)/[^/]*\" ]]; then
        target=${BASH_REMATCH[1]}
        [ "$target" = "$folder" ] && continue
        case " ${allowed[$folder]} " in
          *" $target "*) ;;
          *) fail "src/leddisplay/$file:$line: $folder may not include leddisplay/$target/" ;;
        esac
      elif [[ $text =~ \#[[:space:]]*include[[:space:]]*\"leddisplay/[^/]*\" ]]; then
        :  # the top-level headers (Version.h) hold the standard library alone
      elif [[ $standard_only == *" $folder "* ]]; then
        if [[ $text =~ \#[[:space:]]*include[[:space:]]*\" ]]; then
          fail "src/leddisplay/$file:$line: quoted include outside leddisplay/: $text"
        elif [[ $text =~ \#[[:space:]]*include[[:space:]]*\<([^\>]*)\> ]] &&
          [[ ${BASH_REMATCH[1]} == */* || ${BASH_REMATCH[1]} == *.* ]]; then
          fail "src/leddisplay/$file:$line: $folder includes <${BASH_REMATCH[1]}>, not the standard library"
        elif [[ ! $text =~ \#[[:space:]]*include[[:space:]]*\< ]]; then
          fail "src/leddisplay/$file:$line: $folder includes through a macro: $text"
        fi
      fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$path" || true)
  done
done
[ "$failures" -eq 0 ]
