#!/usr/bin/env bash
# Compares the ABI of each public shared library with its baseline (abi/<SONAME>.abi, made by
# scripts/update-abi-baseline). New functions pass; any change to a public type or function fails, unless the
# SONAME's major version went up with it (there is no baseline for the new SONAME yet), or a compatible change
# is recorded in a new baseline on purpose.
# Usage: abi_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
command -v abidiff >/dev/null || { echo "abi_check: abidiff missing, skipped"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for suppression in "$build"/abi/*.suppr; do
  name=$(basename "$suppression" .suppr)
  library=$build/$name.so
  soname=$(objdump -p "$library" | sed -n 's/^ *SONAME *//p')
  baseline=$source/abi/$soname.abi
  if [ ! -e "$baseline" ]; then
    echo "abi_check: $soname is new; record its baseline with scripts/update-abi-baseline"
    continue
  fi
  if ! objdump -h "$library" | grep '\.debug_info' >/dev/null; then
    echo "abi_check: $library has no debug information, skipped"
    exit 77
  fi
  # The library's ABI is written as its baseline was, so that both sides hold the same types.
  current=$scratch/$soname.abi
  abidw --suppressions "$suppression" --no-show-locs --no-comp-dir-path --out-file "$current" "$library"
  rc=0
  # Added functions and variables pass; any change to what the baseline holds fails, the compatible ones too
  # (a new enumerator, a new virtual function at the end): such a change needs a deliberate new baseline.
  report=$(abidiff --no-added-syms "$baseline" "$current") || rc=$?
  # abidiff's status: bit 0 an error, bit 1 a usage error, bit 2 a change, bit 3 an incompatible change.
  if [ "$rc" -ne 0 ]; then
    echo "abi_check: $soname changes the ABI of its baseline (abidiff status $rc):"
    echo "$report"
    status=1
  fi
done
[ "$status" -ne 0 ] || echo "abi_check: the libraries keep the ABI of their baselines"
exit "$status"
