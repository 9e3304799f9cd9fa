#!/usr/bin/env bash
# Brings the translation sources (translations/*.ts) up to date with the texts in src/:
# new texts come in unfinished, texts no longer used are dropped. Translate the unfinished
# ones (Qt Linguist, or by hand) before committing; a test fails while any is left.
# Source locations are left out so that edits elsewhere in a file do not touch the .ts files.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -I src -recursive -locations none -no-obsolete src -ts translations/*.ts
