#!/bin/bash
# Saves PNGs of the program's windows: the message box in its four button sets,
# the About box and the work window (vardek_ui_screens), and the main window of
# Vardek.exe with the sample catalog loaded, then with a disc title selected and
# its files listed, then with the Find dialog, the Scan dialog and the insert-disc
# prompt over it, and after a Find (driven by vardek_desktop_pilot). Each scene is grabbed with
# ImageMagick's import inside Xvfb.
# Usage: tests/ui/screenshots.sh BUILD_DIR OUTPUT_DIR
#        tests/ui/screenshots.sh --main BUILD_DIR OUTPUT_DIR   (only the loaded main window)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
wine_run="$root/cmake/wine-run"
sample="$root/samples/discs.cat"
framework_scenes=(ok okcancel yesno yesnocancel about work)
# desktop scene -> file name
desktop_scenes=("loaded main-window" "title:1 main-window-title"
                "dialog:40008 find-dialog" "dialog:40007 scan-dialog"
                "prompt:1 insert-disc-prompt" "find:.txt main-window-find")

# Waits for READY_FILE ("x y width height"), grabs that part of the screen into
# PNG, then lets the scene end. Usage: grab NAME PID READY_FILE DONE_FILE PNG
grab() {
  local name=$1 pid=$2 ready=$3 done=$4 png=$5
  for _ in $(seq 1 900); do
    [ -s "$ready" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$ready" ]; then
    echo "screenshots: scene $name did not come up" >&2
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  local x y w h
  read -r x y w h < "$ready"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$png"
  touch "$done"
  if ! wait "$pid"; then
    echo "screenshots: scene $name failed" >&2
    return 1
  fi
  echo "saved $png"
}

framework_scene() {
  local exe=$1 out=$2 scene=$3
  rm -f ready.txt done.txt
  "$wine_run" "$exe" "$scene" ready.txt done.txt &
  grab "$scene" $! ready.txt done.txt "$out/messagebox-$scene.png"
}

# Settings for a desktop scene, as the program saves them: the sample catalog
# as the last one, the window 800 x 620 at (40, 30), the splitter at 200, the
# defaults for the rest. The window is left to Wine to draw: Xvfb has no
# window manager.
write_scene_settings() {
  local catalog=$1 reg=$2
  local windows_path="Z:${catalog//\//\\\\}"
  printf '%s\r\n' 'REGEDIT4' '' \
    '[-HKEY_CURRENT_USER\Software\Bramwick\Vardek\Settings]' '' \
    '[HKEY_CURRENT_USER\Software\Bramwick\Vardek\Settings]' \
    "\"Fname\"=\"$windows_path\"" \
    '"flags"=dword:00000000' \
    '"showCmd"=dword:00000001' \
    '"rcNormal"=hex:28,00,00,00,1e,00,00,00,48,03,00,00,8a,02,00,00' \
    '"x2"=dword:000000c8' '' \
    '[HKEY_CURRENT_USER\Software\Wine\AppDefaults\Vardek.exe\X11 Driver]' \
    '"Managed"="N"' '' > "$reg"
  "$wine_run" regedit /S "$(echo "Z:$reg" | tr / '\\')"
}

desktop_scene() {
  local build=$1 out=$2 scene=$3 name=$4
  local work=$PWD
  cp "$sample" "$work/discs.cat"
  write_scene_settings "$work/discs.cat" "$work/scene.reg"
  rm -f ready.txt done.txt
  "$wine_run" "$build/shell/Vardek.exe" &
  local program=$!
  "$wine_run" "$build/tests/ui/vardek_desktop_pilot.exe" "$scene" ready.txt done.txt &
  if ! grab "$scene" $! ready.txt done.txt "$out/$name.png"; then
    kill "$program" 2>/dev/null || true
    return 1
  fi
  wait "$program" || { echo "screenshots: Vardek.exe failed in scene $scene" >&2; return 1; }
}

if [ "${1:-}" = "--inside" ]; then
  which=$2
  build=$3
  out=$4
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cd "$work"
  if [ "$which" = all ]; then
    for scene in "${framework_scenes[@]}"; do
      framework_scene "$build/tests/ui/vardek_ui_screens.exe" "$out" "$scene"
    done
    mv "$out/messagebox-about.png" "$out/about.png"
    mv "$out/messagebox-work.png" "$out/work-window.png"
    for entry in "${desktop_scenes[@]}"; do
      read -r scene name <<< "$entry"
      desktop_scene "$build" "$out" "$scene" "$name"
    done
  else
    desktop_scene "$build" "$out" loaded main-window
  fi
  # Wine's own helper processes end with the last program; wait for them
  # while the display is still there.
  /usr/lib/wine/wineserver -w
  exit 0
fi

which=all
if [ "${1:-}" = "--main" ]; then
  which=main
  shift
fi
if [ $# -ne 2 ]; then
  echo "usage: $0 [--main] BUILD_DIR OUTPUT_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
targets=(Vardek vardek_desktop_pilot)
[ "$which" = all ] && targets+=(vardek_ui_screens)
cmake --build "$build" --target "${targets[@]}"
export VARDEK_WINEPREFIX="${VARDEK_WINEPREFIX:-$build/wineprefix}"
export WINEPREFIX="$VARDEK_WINEPREFIX"
export WINEDEBUG=-all
"$root/cmake/wine-prefix" "$WINEPREFIX"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/$(basename "$0")" --inside "$which" "$build" "$out"
