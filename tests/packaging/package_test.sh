#!/usr/bin/env bash
# Builds the Debian packages with scripts/package into WORK_DIR and checks each one's files and relations,
# and that lintian (where installed) finds no error. Installs nothing. Exit 77 (skipped) without dpkg-deb
# or cpack.
# Usage: package_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$1
work_dir=$2
for tool in dpkg-deb cpack; do
  command -v "$tool" >/dev/null || { echo "package: $tool not found, skipped"; exit 77; }
done

fail() { echo "package: $*" >&2; exit 1; }
mkdir -p "$work_dir"
debs=$work_dir/debs
VELLUMAR_PACKAGE_BUILD_DIR=$work_dir/build "$source_dir/scripts/package" "$debs" >"$work_dir/package.log" 2>&1 ||
  { tail -n 40 "$work_dir/package.log"; fail "scripts/package failed"; }

lib=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
version=$(dpkg-deb -f "$debs"/libvellumar1_*.deb Version)
# Each package with the files it must hold ("a -> b": a symbolic link to b) and a relation of its control.
check() {
  local package=$1 relation=$2
  shift 2
  local deb
  deb=$(ls "$debs/${package}"_*.deb 2>/dev/null) || fail "no package $package"
  local listing
  listing=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
  for file in "$@" "usr/share/doc/$package/copyright" "usr/share/doc/$package/changelog.Debian.gz"; do
    grep -qxF "./$file" <<<"$listing" || fail "$package lacks $file"
  done
  [ -z "$relation" ] || grep -qF "$relation" <<<"$(dpkg-deb -I "$deb")" || fail "$package has no '$relation'"
}
upstream=${version%-*}
so_links=()
dev_links=()
for name in core qt; do
  so_links+=("$lib/libvellumar_$name.so.$upstream" "$lib/libvellumar_$name.so.1 -> libvellumar_$name.so.$upstream")
  dev_links+=("$lib/libvellumar_$name.so -> libvellumar_$name.so.1")
done
check libvellumar1 "Recommends: fonts-wine" "${so_links[@]}"
check libvellumar-dev "Depends: libvellumar1 (= $version)" "${dev_links[@]}" \
  usr/include/Vellumar/VellumarTabWidget usr/include/Vellumar/vellumar_style.h \
  usr/include/Vellumar/core/control/vellumar.h "$lib/cmake/Vellumar/VellumarConfig.cmake" \
  "$lib/cmake/Vellumar/VellumarConfigVersion.cmake" "$lib/pkgconfig/vellumar-qt.pc"
check vellumar-tools "libvellumar1 (= $version)" usr/bin/vellumar usr/bin/vellumar-designer \
  usr/share/man/man1/vellumar.1.gz usr/share/man/man1/vellumar-designer.1.gz
check qt6-designer-plugin-vellumar "libqt6designer6" "$lib/qt6/plugins/designer/libvellumardesigner.so"
check qt6-style-vellumar "libvellumar1 (= $version)" "$lib/qt6/plugins/styles/libvellumarstyle.so"
if command -v doxygen >/dev/null; then
  check libvellumar-doc "Architecture: all" usr/share/doc/libvellumar-doc/html/index.html usr/share/qt6/doc/vellumar.qch
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error "$debs"/*.deb >"$work_dir/lintian.log" 2>&1 || { cat "$work_dir/lintian.log"; fail "lintian found errors"; }
fi
echo "package: $(ls "$debs" | wc -l) packages checked in $debs"
