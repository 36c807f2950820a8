#!/bin/bash
# Saves PNGs of the message box in its four button sets, the About box and the
# work window. Usage: tests/ui/screenshots.sh BUILD_DIR OUTPUT_DIR
# Runs vardek_ui_screens under Wine inside Xvfb and grabs each scene with
# ImageMagick's import.
set -euo pipefail

scenes=(ok okcancel yesno yesnocancel about work)

if [ "${1:-}" = "--inside" ]; then
  exe=$2
  out=$3
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cd "$work"
  for scene in "${scenes[@]}"; do
    rm -f ready.txt done.txt
    /usr/lib/wine/wine64 "$exe" "$scene" ready.txt done.txt &
    pid=$!
    for _ in $(seq 1 200); do
      [ -s ready.txt ] && break
      sleep 0.1
    done
    if [ ! -s ready.txt ]; then
      echo "screenshots: scene $scene did not come up" >&2
      kill "$pid" 2>/dev/null || true
      exit 1
    fi
    read -r x y w h < ready.txt
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/messagebox-$scene.png"
    touch done.txt
    wait "$pid" || { echo "screenshots: scene $scene failed" >&2; exit 1; }
    echo "saved $out/messagebox-$scene.png"
  done
  mv "$out/messagebox-about.png" "$out/about.png"
  mv "$out/messagebox-work.png" "$out/work-window.png"
  exit 0
fi

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR OUTPUT_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
exe="$build/tests/ui/vardek_ui_screens.exe"
[ -f "$exe" ] || cmake --build "$build" --target vardek_ui_screens
export WINEPREFIX="${VARDEK_WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(cd "$(dirname "$0")" && pwd)/$(basename "$0")" \
  --inside "$exe" "$out"
