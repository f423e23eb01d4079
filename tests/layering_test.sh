#!/usr/bin/env bash
# Fails when an include points up the layers: platform -> render -> control -> pages -> app, each folder
# including only from its own layer and those below it. Includes are written from the source root
# ("control/vellumar.h"), so the first folder of the path names the layer.
#
# Within platform/ each sub-folder is a room with one job, and may include only from itself, from the
# shared vocabulary at platform/'s top and from the rooms its rule below names; the top includes only
# itself. A file at platform/'s top that is not part of that vocabulary, or in a folder that is no room,
# fails too: new code goes into the room of its job.
# usage: layering_test.sh SOURCE_DIR
set -euo pipefail
cd "${1:?usage: layering_test.sh SOURCE_DIR}"

rank() {
  case $1 in
    platform) echo 0 ;; render) echo 1 ;; control) echo 2 ;; pages) echo 3 ;; app) echo 4 ;; *) echo -1 ;;
  esac
}

# The rooms of platform/ and the other rooms each may include.
declare -A room_may_include=(
  [errors]=""
  [files]="errors"
  [raster]="errors"
  [text]="raster errors"
  [pictures]="raster files errors"
  [drawing]="raster text pictures errors"
  [form_file]="pictures text files errors"
)
# The shared vocabulary at platform/'s top, which every room may include.
is_top_file() {
  case $1 in
    ascii_case.h | geometry.h | ole_color.cpp | ole_color.h | utf8_decode.cpp | utf8_decode.h | vb_bool.h) ;;
    vellumar_export.h | window_system.h) ;;
    *) return 1 ;;
  esac
}

# The room of a path below platform/: "top" for a file at its top, the folder's name otherwise.
room_of() {
  local rest=${1#platform/}
  if [[ $rest == */* ]]; then echo "${rest%%/*}"; else echo top; fi
}

failures=0
fail() {
  echo "layering: $1"
  failures=$((failures + 1))
}

while IFS= read -r file; do
  room=$(room_of "$file")
  if [ "$room" = top ]; then
    is_top_file "${file#platform/}" || fail "$file lies at platform/'s top: put it into the room of its job"
  elif [ -z "${room_may_include[$room]+set}" ]; then
    fail "$file is in platform/$room, which is no room: name its rule in $0"
  elif [[ ${file#platform/"$room"/} == */* ]]; then
    fail "$file is in a folder inside a room"
  fi
done < <(find platform -type f | sort)

checked=0
while IFS= read -r file; do
  from=$(rank "${file%%/*}")
  while IFS= read -r included; do
    to=$(rank "${included%%/*}")
    [ "$to" -ge 0 ] || continue
    checked=$((checked + 1))
    if [ "$to" -gt "$from" ]; then
      fail "$file includes $included, a higher layer"
    elif [ "$from" -eq 0 ] && [ "$to" -eq 0 ]; then
      room=$(room_of "$file")
      other=$(room_of "$included")
      [ "$other" = top ] || [ "$other" = "$room" ] && continue
      [ "$room" != top ] && [[ " ${room_may_include[$room]:-} " == *" $other "* ]] && continue
      [ "$room" = top ] && where="platform/'s top" || where=platform/$room
      fail "$file includes $included: $where may not include from platform/$other"
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find platform render control pages app -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

[ "$checked" -gt 0 ] || { echo "layering: no includes found below $(pwd)"; exit 1; }
if [ "$failures" -ne 0 ]; then
  echo "layering: $failures problem(s)"
  exit 1
fi
echo "layering: $checked includes point down or sideways, and every platform room keeps its rule"
