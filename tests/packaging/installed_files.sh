#!/usr/bin/env bash
# Checks the tree that `cmake --install` (mode "install", given the build folder) or the
# Debian package (mode "deb", given the source folder; needs TORVANE_PACKAGE_TEST=1) puts in
# place, in a scratch root of its own.
set -euo pipefail
mode=$1 where=$2
root=$(mktemp -d "${TMPDIR:-/tmp}/torvane-install-XXXXXX")
trap 'rm -rf "$root"' EXIT

if [ "$mode" = install ]; then
  cmake --install "$where" --prefix "$root/usr" >/dev/null
else
  if [ "${TORVANE_PACKAGE_TEST:-0}" != 1 ]; then
    echo "skipped: set TORVANE_PACKAGE_TEST=1 to build and check the .deb (takes minutes)"
    exit 77
  fi
  "$where/scripts/package.sh" "$root/build" >/dev/null
  deb=$(ls "$root"/build/*.deb)
  dpkg -x "$deb" "$root"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for library in libqt6core6 libicu libplist libexiv2; do
    grep -q "$library" <<<"$depends" || { echo "missing dependency on $library"; exit 1; }
  done
fi

missing=0
for file in usr/bin/torvane usr/bin/torvane-cli \
  usr/bin/torvane-droplet usr/bin/torvane-service-provider \
  usr/share/torvane/help/en/index.html usr/share/torvane/translations/torvane_de.qm \
  usr/share/applications/com.quorlix.Torvane.desktop \
  usr/share/dbus-1/services/com.quorlix.Torvane.service \
  usr/share/mime/packages/com.quorlix.Torvane.xml \
  usr/share/metainfo/com.quorlix.Torvane.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/com.quorlix.Torvane.svg \
  usr/share/icons/hicolor/16x16/apps/com.quorlix.Torvane.png \
  usr/share/icons/hicolor/48x48/apps/com.quorlix.Torvane.png \
  usr/share/icons/hicolor/128x128/apps/com.quorlix.Torvane.png \
  usr/share/man/man1/torvane.1 usr/share/man/man1/torvane-cli.1 \
  usr/share/bash-completion/completions/torvane-cli \
  usr/share/zsh/vendor-completions/_torvane-cli \
  usr/share/fish/vendor_completions.d/torvane-cli.fish; do
  [ -e "$root/$file" ] || { echo "missing: /$file"; missing=1; }
done
# The metadata parsers are a module the programs load from the library folder beside theirs.
module=$(find "$root/usr" -path '*/torvane/libtorvane-parsers.so' | head -1)
[ -n "$module" ] || { echo "missing: the module libtorvane-parsers.so"; missing=1; }
[ -x "$root/usr/bin/torvane-cli" ] && "$root/usr/bin/torvane-cli" --version
# A 2x1 PNG whose colour space only the parsers read: the installed CLI must find them.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x02\0\0\0\x01\x08\x02\0\0\0\x7b\x40\xe8\xdd' \
  >"$root/picture.png"
printf '\0\0\0\0IEND\xaeB`\x82' >>"$root/picture.png"
named=$(HOME="$root" "$root/usr/bin/torvane-cli" preview --compose '<Color Space>' "$root/picture.png")
grep -q -- '-> RGB.png' <<<"$named" || { echo "the installed CLI read no metadata: $named"; missing=1; }
exit $missing
