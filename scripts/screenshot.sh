#!/usr/bin/env bash
# Takes the README's picture of the real window: starts the program under
# Xvfb, opens a terrain this script draws, places a few records, turns the
# preview, and writes the window to docs/screenshot.png.
# Rerun it when the window changes. With a scale, e.g. screenshot.sh 2, it
# runs at that QT_SCALE_FACTOR and writes docs/screenshot@<scale>x.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target QuorinLevelMaker -j"$(nproc)" >/dev/null

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
cleanup() {
    kill "${program_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A sea floor: deep water, sand, rocks and a trench.
convert -size 512x512 gradient:'#2a7fa0'-'#0b2a45' \
    -fill '#c8b27a' -draw 'path "M 0,420 C 120,380 260,450 512,400 L 512,512 L 0,512 Z"' \
    -fill '#6b6b5e' -draw 'ellipse 120,400 60,28 0,360' -draw 'ellipse 380,395 45,22 0,360' \
    -fill '#08203a' -draw 'path "M 250,0 C 230,150 300,250 270,512 L 330,512 C 350,250 290,150 300,0 Z"' \
    BMP3:"$work/terrain.bmp"

Xvfb "$display" -screen 0 2600x1800x24 >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
# A state folder of its own: records that other runs left are not offered here.
export DISPLAY=$display QT_SCALE_FACTOR=$scale XDG_STATE_HOME=$work/state
build/QuorinLevelMaker >/dev/null 2>&1 &
program_pid=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }

# Moves to a point of the window given in unscaled pixels.
point() {
    xdotool mousemove --window "$window" "$(awk "BEGIN{print int($1*$scale)}")" "$(awk "BEGIN{print int($2*$scale)}")"
}
click() {
    point "$1" "$2"
    sleep 0.2
    xdotool click 1
    sleep 0.3
}

click 488 556                      # OpenTerrain
sleep 1
xdotool type --delay 20 "$work/terrain.bmp"
xdotool key Return
sleep 1
click 573 53                       # Bubble
click 140 120
click 330 210
click 573 72                       # SeaGrass
click 90 380
# Turn the preview: drag the angle bar's thumb a little to the right.
point 683 167
xdotool mousedown 1
for step in 4 8 12 16 20; do
    point $((683 + step)) 167
    sleep 0.1
done
xdotool mouseup 1
sleep 0.3
click 573 90                       # SeaShell
click 420 360
point 250 300
sleep 0.5

name=screenshot.png
[ "$scale" != 1 ] && name="screenshot@${scale}x.png"
mkdir -p docs
import -window "$window" "docs/$name"
echo "docs/$name"
