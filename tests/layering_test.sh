#!/usr/bin/env bash
# Fails when an include points up the layers: platform -> render -> control -> pages -> app, each folder
# including only from its own layer and those below it. Includes are written from the source root
# ("control/vellumar.h"), so the first folder of the path names the layer.
# usage: layering_test.sh SOURCE_DIR
set -euo pipefail
cd "${1:?usage: layering_test.sh SOURCE_DIR}"

rank() {
  case $1 in
    platform) echo 0 ;; render) echo 1 ;; control) echo 2 ;; pages) echo 3 ;; app) echo 4 ;; *) echo -1 ;;
  esac
}

checked=0
failures=0
while IFS= read -r file; do
  from=$(rank "${file%%/*}")
  while IFS= read -r included; do
    to=$(rank "${included%%/*}")
    [ "$to" -ge 0 ] || continue
    checked=$((checked + 1))
    [ "$to" -le "$from" ] && continue
    echo "layering: $file includes $included, a higher layer"
    failures=$((failures + 1))
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find platform render control pages app -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

[ "$checked" -gt 0 ] || { echo "layering: no includes found below $(pwd)"; exit 1; }
if [ "$failures" -ne 0 ]; then
  echo "layering: $failures include(s) point up"
  exit 1
fi
echo "layering: $checked includes point down or sideways"
