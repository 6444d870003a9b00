#!/usr/bin/env bash
# Extracts the interface texts into po/flarewick.pot and merges them into the
# English catalog po/en.po; new texts arrive there untranslated, texts gone
# from the sources become obsolete entries to delete. Then says what is left.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 scripts/translations.py extract po/flarewick.pot
msgmerge --quiet --update --no-fuzzy-matching --backup=none --add-location=file po/en.po po/flarewick.pot
python3 scripts/translations.py check || true
