#!/usr/bin/env bash
# The Debian package, checked without root: it is made with CPack, unpacked into a scratch root
# with dpkg -x, and its programs, desktop entry, MIME types and metadata are tried there; lintian
# finds no error in it.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack did not make the package"; }
deb=$(ls "$scratch"/out/jcw_*.deb)
root=$scratch/root
dpkg -x "$deb" "$root"

for file in usr/bin/jcw usr/bin/jcwtool usr/share/applications/org.jcw.crossword.desktop \
    usr/share/mime/packages/jcw.xml usr/share/metainfo/org.jcw.crossword.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/jcw.svg usr/share/man/man1/jcw.1.gz \
    usr/share/man/man1/jcwtool.1.gz usr/share/doc/jcw/copyright usr/share/doc/jcw/changelog.gz; do
  [[ -f $root/$file ]] || fail "the package holds no /$file"
done
for size in 16 22 24 32 48 64 128 256; do
  [[ $(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x$size/apps/jcw.png") == \
     "${size}x$size" ]] || fail "the ${size} px icon is not ${size} px"
done

[[ $("$root/usr/bin/jcwtool" --version) == "jcwtool 1.0" ]] || fail "jcwtool --version"
[[ $("$root/usr/bin/jcw" --version) == "jcw 1.0" ]] || fail "jcw --version"
"$root/usr/bin/jcw" --help | grep -q 'Ctrl+P' || fail "jcw --help lists no keys"

desktop-file-validate "$root/usr/share/applications/org.jcw.crossword.desktop"
grep -qx 'Categories=Game;LogicGame;' "$root/usr/share/applications/org.jcw.crossword.desktop" ||
  fail "the desktop entry's categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.jcw.crossword.metainfo.xml"

# The MIME database built from the package's types knows both extensions.
cp -r "$root/usr/share/mime" "$scratch/mime"
update-mime-database "$scratch/mime" >/dev/null 2>&1
grep -q '\*\.jcw' "$scratch/mime/globs2" || fail "no *.jcw in the MIME database"
grep -q 'application/x-nonogram:\*\.non' "$scratch/mime/globs2" || fail "no *.non in the MIME database"

# lintian refuses to run as root only with a warning; its errors fail the test.
lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | tee "$scratch/lintian.log"
! grep -q '^E: ' "$scratch/lintian.log" || fail "lintian reports errors"
echo "package ok: $(basename "$deb")"
