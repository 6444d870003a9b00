#!/usr/bin/env bash
# Redraws the run-time pictures under rc/ and res/ from tools/draw-art/draw_art.py; the results are committed, so only artists need it.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 tools/draw-art/draw_art.py "$PWD"
