#!/usr/bin/env bash
# Fails while a translation lacks a text of the program (unfinished) or holds one the program
# no longer has (vanished, obsolete): lupdate runs over src/ into scratch copies of the .ts
# files, as scripts/update-translations.sh would without dropping anything. Also fails on a
# tr() that lupdate cannot file under a context.
# Usage: translations_complete.sh SOURCE-FOLDER
set -uo pipefail
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "skipped: lupdate is not installed (qt6-l10n-tools)"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$1" || exit 1
failed=0
for ts in translations/*.ts; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  # Namespaces with a tr() of their own are "classes without Q_OBJECT" to lupdate; any other
  # warning (a tr() it cannot place) means a text is missed.
  "$lupdate" -silent -I src -recursive -locations none src -ts "$copy" 2>"$scratch/warnings" ||
    failed=1
  if grep -v 'lacks Q_OBJECT macro' "$scratch/warnings"; then failed=1; fi
  if grep -E 'type="(unfinished|vanished|obsolete)"' "$copy" >/dev/null; then
    echo "$ts is not up to date; run scripts/update-translations.sh and translate:"
    grep -E -B2 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>'
    failed=1
  fi
  if ! grep -q '<message' "$copy"; then echo "$ts holds no texts"; failed=1; fi
done
exit $failed
