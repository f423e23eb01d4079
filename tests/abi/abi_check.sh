#!/usr/bin/env bash
# Compares the ABI of each public shared library with its baseline (abi/<SONAME>.abi, made by
# scripts/update-abi-baseline). Additions pass; a change that breaks programs built against the baseline
# fails, unless the SONAME's major version went up with it (there is no baseline for the new SONAME yet).
# Usage: abi_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
command -v abidiff >/dev/null || { echo "abi_check: abidiff missing, skipped"; exit 77; }
status=0
for headers in "$build"/abi/*.headers; do
  name=$(basename "$headers" .headers)
  library=$build/$name.so
  soname=$(objdump -p "$library" | sed -n 's/^ *SONAME *//p')
  baseline=$source/abi/$soname.abi
  if [ ! -e "$baseline" ]; then
    echo "abi_check: $soname is new; record its baseline with scripts/update-abi-baseline"
    continue
  fi
  if ! objdump -h "$library" | grep -q '\.debug_info'; then
    echo "abi_check: $library has no debug information, skipped"
    exit 77
  fi
  args=()
  while read -r header; do [ -n "$header" ] && args+=(--hf2 "$header"); done <"$headers"
  rc=0
  report=$(abidiff --drop-private-types "${args[@]}" "$baseline" "$library") || rc=$?
  # abidiff's status: bit 0 an error, bit 1 a usage error, bit 2 a change, bit 3 an incompatible change.
  if [ $((rc & 11)) -ne 0 ]; then
    echo "abi_check: $soname breaks the ABI of its baseline (abidiff status $rc):"
    echo "$report"
    status=1
  elif [ "$rc" -ne 0 ]; then
    echo "abi_check: $soname adds to its ABI:"
    echo "$report"
  fi
done
[ "$status" -ne 0 ] || echo "abi_check: no change breaks the baselines"
exit "$status"
