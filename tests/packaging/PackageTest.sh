#!/usr/bin/env bash
# PackageTest.sh <build dir> <version> <libdir>
# Builds the .deb with CPack into a scratch folder, lists it with dpkg-deb -c and checks the
# programs, libProfilux with its links, the desktop entry and the icon; then unpacks it and runs
# the packaged ferrolab-calc, which must find the packaged libProfilux through its run path.
set -uo pipefail
build=$1 version=$2 libdir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack did not build the package"
  exit 1
fi

arch=$(dpkg --print-architecture)
deb="$work/out/ferrolab_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
  ls -l "$work/out"
  echo "FAIL: no $(basename "$deb")"
  exit 1
fi

# Paths as dpkg-deb -c prints them ("./usr/..."), each with its entry type (- file, l link).
listing=$(dpkg-deb -c "$deb") || fail "dpkg-deb -c"
expect_entry() { # <type> <path>
  if ! awk -v t="$1" -v p="$2" 'substr($1, 1, 1) == t && $6 == p { found = 1 } END { exit !found }' \
    <<<"$listing"; then
    fail "the package has no $2 (type $1)"
  fi
}
expect_entry - ./usr/bin/ferrolab
expect_entry - ./usr/bin/ferrolab-calc
expect_entry - "./usr/$libdir/libProfilux.so.$version"
expect_entry l "./usr/$libdir/libProfilux.so.${version%%.*}"
expect_entry - ./usr/share/applications/ferrolab.desktop
expect_entry - ./usr/share/icons/hicolor/scalable/apps/ferrolab.svg
if grep -Eq 'bench|_tests|gtest|\.a$' <<<"$listing"; then
  fail "the package holds build or test files"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ferrolab ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6; do
  grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"

desktop="$root/usr/share/applications/ferrolab.desktop"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Ferrolab' \
  'Name[zh_CN]=Ferrolab 钢结构设计工具箱' 'Exec=ferrolab' 'Icon=ferrolab'; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done
categories=$(sed -n 's/^Categories=//p' "$desktop")
for c in Science Engineering; do
  grep -Eq "(^|;)$c;" <<<"$categories" || fail "Categories lacks $c: $categories"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/ferrolab.svg" || fail "the icon is no SVG"

# The installed runner finds the installed library (and no other), both unpacked from the package
# and installed under a scratch prefix with cmake --install: the run path $ORIGIN/../<libdir>
# holds wherever the tree lands.
expect_runs() { # <prefix> <what>
  local calc="$1/bin/ferrolab-calc" resolved out status
  resolved=$(env -u LD_LIBRARY_PATH ldd "$calc" | awk '$1 == "libProfilux.so.'"${version%%.*}"'" { print $3 }')
  [ "$resolved" -ef "$1/$libdir/libProfilux.so.${version%%.*}" ] ||
    fail "the $2 ferrolab-calc loads libProfilux from '$resolved'"
  out=$(env -u LD_LIBRARY_PATH "$calc" section HW200x200 2>&1)
  status=$?
  [ $status -eq 0 ] || fail "the $2 ferrolab-calc exited with $status: $out"
  grep -q 'HW200x200' <<<"$out" || fail "the $2 ferrolab-calc printed: $out"
}
expect_runs "$root/usr" packaged
if cmake --install "$build" --prefix "$work/stage" >"$work/install.log" 2>&1; then
  expect_runs "$work/stage" installed
  [ -f "$work/stage/share/applications/ferrolab.desktop" ] || fail "cmake --install left out the desktop entry"
else
  cat "$work/install.log"
  fail "cmake --install"
fi

if [ $failures -ne 0 ]; then
  echo "$listing"
  exit 1
fi
echo "PASS: $(basename "$deb")"
