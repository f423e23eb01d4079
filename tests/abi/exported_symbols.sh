#!/usr/bin/env bash
# Lists the dynamic symbols a shared library defines and fails on any outside the public classes. What the
# standard library's headers give default visibility (its type information and template statics) and the
# linker's own markers are allowed.
# Usage: exported_symbols.sh LIBRARY CLASS...   (CLASS as vellumar::VellumarTabWidget)
set -euo pipefail
library=$1
shift
classes=$(IFS='|'; echo "$*")
public="^(($classes)(::|$)|(std|__gnu_cxx)::|(_init|_fini|_edata|_end|__bss_start)$)"
stray=$(nm -D --defined-only -C "$library" | cut -d' ' -f3- |
  sed -E 's/^(typeinfo name for|typeinfo for|vtable for|non-virtual thunk to|virtual thunk to|guard variable for) //; s/^[^ (]+ (vellumar::)/\1/' |
  grep -vE "$public" || true)
internal_std=$(nm -D --defined-only -C "$library" | cut -d' ' -f3- | grep -E '^(std|__gnu_cxx)::' |
  grep 'vellumar' || true)
if [ -n "$stray$internal_std" ]; then
  echo "exported_symbols: $(basename "$library") exports more than its public classes:"
  printf '%s\n' "$stray" "$internal_std" | sed '/^$/d' | head -n 50
  exit 1
fi
echo "exported_symbols: $(basename "$library") exports its public classes only"
