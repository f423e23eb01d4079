#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, checks what landed there, builds examples/embed against
# the installed CMake package and runs it offscreen; also compiles a program against the pkg-config files.
# Usage: install_embed_test.sh BUILD_DIR SOURCE_DIR WORK_DIR CXX_COMPILER
set -euo pipefail
build_dir=$1
source_dir=$2
work_dir=$3
cxx=$4

rm -rf "$work_dir"
mkdir -p "$work_dir"
prefix=$work_dir/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$work_dir/install.log"

fail() { echo "install_embed: $*" >&2; exit 1; }
# Shared libraries with the major version in their SONAME, or static ones when the build asked for them.
libdir=$(cd "$prefix" && find . \( -name 'libvellumar_core.so' -o -name libvellumar_core.a \) -printf '%h\n' | head -n 1)
[ -n "$libdir" ] || fail "libvellumar_core is not installed"
for lib in core qt; do
  if [ -e "$prefix/$libdir/libvellumar_$lib.so" ]; then
    soname=$(objdump -p "$prefix/$libdir/libvellumar_$lib.so" | sed -n 's/^ *SONAME *//p')
    [ "$soname" = "libvellumar_$lib.so.1" ] || fail "libvellumar_$lib.so has the SONAME '$soname'"
    [ -e "$prefix/$libdir/$soname" ] || fail "$soname is not installed"
  else
    [ -e "$prefix/$libdir/libvellumar_$lib.a" ] || fail "libvellumar_$lib is not installed"
  fi
done
# What an embedder includes: the public classes and the control, neither the code beneath them nor a test
# double.
[ ! -e "$prefix/include/vellumar" ] || fail "the internal headers are installed"
[ ! -e "$prefix/include/Vellumar/core/app" ] || fail "the hosts' headers are installed"
[ ! -e "$prefix/include/Vellumar/core/pages" ] || fail "the property pages' headers are installed"
doubles=$(grep -rlE 'class (Recording|Scripted)[A-Za-z]+' "$prefix/include/Vellumar" || true)
[ -z "$doubles" ] || fail "test doubles installed in: $doubles"
"$prefix/bin/vellumar" --help >/dev/null || fail "the installed vellumar does not run"
for file in bin/vellumar bin/vellumar-designer \
  include/Vellumar/core/control/vellumar.h include/Vellumar/VellumarWidget include/Vellumar/VellumarTabStrip \
  include/Vellumar/VellumarTabWidget include/Vellumar/VellumarTabBar include/Vellumar/VellumarStyle \
  include/Vellumar/VellumarVersion "$libdir/cmake/Vellumar/VellumarConfig.cmake" \
  "$libdir/pkgconfig/vellumar.pc" "$libdir/pkgconfig/vellumar-qt.pc"; do
  [ -e "$prefix/$file" ] || fail "$file not installed"
done
plugin=$(find "$prefix" -path '*/plugins/designer/libvellumardesigner.so' | head -n 1)
[ -n "$plugin" ] || fail "the Designer plugin is not in a Qt plugin folder below the prefix"
! ldd "$plugin" | grep -q 'not found' || fail "the installed Designer plugin misses libraries: $(ldd "$plugin")"

# The README shows the example as the change from QTabWidget: each line it adds is one of the example's.
awk '/^```diff$/ { on = 1; next } /^```$/ { on = 0 } on && /^\+/ { print substr($0, 2) }' "$source_dir/README.md" |
  while IFS= read -r line; do
    grep -qxF -- "$line" "$source_dir/examples/embed/main.cpp" ||
      fail "the README's change from QTabWidget adds a line the example does not have: $line"
  done
cmake -S "$source_dir/examples/embed" -B "$work_dir/embed" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Release >"$work_dir/embed-configure.log"
cmake --build "$work_dir/embed" -j 2 >"$work_dir/embed-build.log" || { cat "$work_dir/embed-build.log"; exit 1; }
output=$(QT_QPA_PLATFORM=offscreen timeout 60 "$work_dir/embed/vellumar-embed" --quit-after 200)
[ "$output" = "page 2 of 4: &Speichern und Sicherungskopien" ] || fail "the embedded tab widget showed '$output'"

# The same library through pkg-config: the headless host paints a new control.
cat >"$work_dir/pc_probe.cpp" <<'CPP'
#include "control/headless_host.h"
#include "control/vellumar.h"
int main() {
  vellumar::HeadlessHost host;
  vellumar::Vellumar control(host, nullptr);
  host.Attach(&control);
  control.InitProperties();
  host.Resize(120, 80);
  const int tabs = control.NumberOfTabs();
  host.Attach(nullptr);
  return tabs == 1 ? 0 : 1;
}
CPP
export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
# shellcheck disable=SC2046
"$cxx" -std=c++20 -o "$work_dir/pc_probe" "$work_dir/pc_probe.cpp" $(pkg-config --cflags --libs vellumar)
LD_LIBRARY_PATH="$prefix/$libdir" "$work_dir/pc_probe" || fail "the pkg-config build did not make a working control"
pkg-config --exists --print-errors vellumar-qt || fail "vellumar-qt.pc does not resolve"
# Each public header compiles alone without a warning: the Qt library's as C++17 with Qt alone, by both
# spellings (<VellumarTabWidget>, <Vellumar/VellumarTabWidget>), and the core's as the C++20 it is written in.
warnings=(-Wall -Wextra -Wpedantic -Werror -fsyntax-only)
compile_alone() {
  local include=$1 standard=$2 package=$3
  printf '#include <%s>\n' "$include" >"$work_dir/header_probe.cpp"
  # shellcheck disable=SC2046
  "$cxx" "-std=$standard" -fPIC "${warnings[@]}" "$work_dir/header_probe.cpp" $(pkg-config --cflags "$package") ||
    fail "<$include> does not compile alone as $standard"
}
qt_headers=$(cd "$prefix/include/Vellumar" && find . -maxdepth 1 -type f -printf '%f\n' | sort)
[ -n "$qt_headers" ] || fail "no public headers in include/Vellumar"
for header in $qt_headers; do
  compile_alone "$header" c++17 vellumar-qt
done
compile_alone Vellumar/VellumarTabWidget c++17 vellumar-qt
for header in $(cd "$prefix/include/Vellumar/core" && find . -name '*.h' -printf '%P\n' | sort); do
  compile_alone "$header" c++20 vellumar
done
echo "install_embed: installed, embedded and run from $prefix"
