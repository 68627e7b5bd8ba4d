#!/usr/bin/env bash
# Takes pictures of the studio's main window and of each dialog under a virtual X server with
# a 1292 × 776 screen, for a person to look at.
#   scripts/screenshots.sh [OUTPUT_FOLDER]      (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")

cmake --build build --target gui_screenshots zor-studio zorc stage_data

# A copy of the staged program folder, so that the pictures never change the real one.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cp -r build/zor/. "$root"/
mkdir -p "$root/System/draft"
if ! compgen -G "$root/System/draft/*.java" > /dev/null; then
    printf 'import javax.microedition.lcdui.*;\r\npublic class Etap1 extends Canvas {\r\n    public void paint(Graphics g) {\r\n        if (g == null) return;\r\n    }\r\n}\r\n' \
        > "$root/System/draft/Etap1.java"
fi

xvfb-run -a -s "-screen 0 1292x776x24" build/tests/gui_screenshots "$root" "$out"
