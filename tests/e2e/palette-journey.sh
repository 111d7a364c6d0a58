#!/usr/bin/env bash
# The program on a 256-colour display, in the real program under a virtual
# display: started with --screen-depth 8 it converts its pictures behind the
# please-wait window and keeps them in bitmapcache/; the second start reads
# them back without converting; the window survives minimise and restore
# and the about box. Last, when the X server offers an 8-bit screen, the
# program is started on one.
#   tests/e2e/palette-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin palette-journey "${1:-}"
# Without a tray, minimising leaves the window on the task bar to restore.
km_start_desktop --no-tray

work="$(mktemp -d)"
trap 'kill ${pid:+"$pid"} 2>/dev/null || true; kill ${xpid:+"$xpid"} 2>/dev/null || true; rm -rf "$work"' EXIT
e2e_home "$work"
shots="${KM_E2E_SHOTS:-$work/shots}"
mkdir -p "$shots"
cache="$XDG_DATA_HOME/Quendrake Inc/Kestrelmark/bitmapcache"
# The picture code's trace lines tell what was converted and what was read.
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"

fail() { echo "palette-journey: FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }
step() { echo "palette-journey: $*"; }
alive() { kill -0 "$pid" 2>/dev/null || fail "the program ended: $(tail -5 "$log")"; }

# Starts the program at palette depth 8 and waits for its main window,
# answering the one-time report of a missing tray.
start_palette() { # log file
    log="$1"
    "$app" --screen-depth 8 >"$log" 2>&1 &
    pid=$!
    main="$(find_window 'Kestrelmark Personal Reminder Software' 60 "$pid")" || fail "the main window did not open: $(tail -5 "$log")"
    sleep 1
    local box
    if box="$(find_window '^Kestrelmark$' 8 "$pid")"; then
        xdotool windowfocus "$box" key Return
        sleep 0.5
    fi
    alive
}

# An 8-bit picture file as the cache keeps them: "BM", 8 bits per pixel.
is_8bit_bmp() { # file
    [ "$(head -c 2 "$1")" = "BM" ] && [ "$(od -An -tu2 -j28 -N2 "$1" | tr -d ' ')" = "8" ]
}

step "first start at depth 8: converts behind the please-wait window"
start_palette "$work/first.log"
grep -q "MaxGraphics is 27." "$log" || fail "no please-wait window on the first start"
written=$(grep -c "bitmap_[0-9]*\.bmp written\." "$log" || true)
[ "$written" -gt 0 ] || fail "nothing was converted into the cache"
[ -d "$cache" ] || fail "no bitmapcache folder"
for n in 179 150 198; do
    [ -f "$cache/bitmap_$n.bmp" ] || fail "picture $n is not in the cache"
    is_8bit_bmp "$cache/bitmap_$n.bmp" || fail "bitmap_$n.bmp is not an 8-bit bitmap"
done
files=$(ls "$cache" | wc -l)
step "  $written pictures converted, $files files in the cache"
import -window root "$shots/palette-first.png"

step "minimise and restore"
xdotool windowminimize "$main"
sleep 1.5
alive
xdotool windowactivate "$main" 2>/dev/null || xdotool windowmap "$main"
sleep 1.5
alive
xdotool search --onlyvisible --name 'Kestrelmark Personal Reminder Software' >/dev/null || fail "the window did not come back"
import -window root "$shots/palette-restored.png"

step "the about box"
read -r mx my < <(origin "$main")
xdotool mousemove $((mx + 300)) $((my + 250)) click 1
sleep 0.3
xdotool key shift+F1
about="$(find_window '^About Kestrelmark$' 20 "$pid")" || fail "the about box did not open"
sleep 0.7
import -window root "$shots/palette-about.png"
xdotool windowfocus "$about" key Escape
sleep 0.7
alive
stop "$pid"

step "second start: every picture from the cache"
stamp="$(stat -c %Y.%s "$cache/bitmap_179.bmp")"
sleep 1.1
start_palette "$work/second.log"
grep -q "written\." "$log" && fail "the second start converted again: $(grep written "$log" | head -3)"
grep -q "MaxGraphics is" "$log" && fail "the second start showed the please-wait window"
grep -q "Found .*bitmap_179.bmp.  Reading" "$log" || fail "the second start did not read the cache"
[ "$(stat -c %Y.%s "$cache/bitmap_179.bmp")" = "$stamp" ] || fail "a cache file was rewritten"
import -window root "$shots/palette-second.png"
stop "$pid"

step "a damaged cache file is converted again, never shown"
printf 'BM\x10\x00\x00\x00garbage' >"$cache/bitmap_179.bmp"
head -c 600 "$cache/bitmap_150.bmp" >"$work/cut" && mv "$work/cut" "$cache/bitmap_150.bmp"
start_palette "$work/third.log"
grep -q "bitmap_179.bmp written\." "$log" || fail "the damaged bitmap_179.bmp was not converted again"
grep -q "bitmap_150.bmp written\." "$log" || fail "the cut bitmap_150.bmp was not converted again"
is_8bit_bmp "$cache/bitmap_179.bmp" || fail "bitmap_179.bmp was not rewritten whole"
[ "$(find_window '^Kestrelmark$' 2 "$pid" || true)" = "" ] || fail "a message box came up for the damaged cache"
stop "$pid"

step "an 8-bit X screen"
display=$((200 + RANDOM % 300))
Xvfb ":$display" -screen 0 1024x768x8 -nolisten tcp >"$work/xvfb8.log" 2>&1 &
xpid=$!
sleep 1.5
if ! kill -0 "$xpid" 2>/dev/null; then
    step "  the X server refused an 8-bit screen; skipped"
else
    depth="$(DISPLAY=":$display" xdpyinfo 2>/dev/null | awk '/depth of root window/ {print $5; exit}')"
    step "  X screen depth: ${depth:-unknown}"
    DISPLAY=":$display" "$app" >"$work/x8.log" 2>&1 &
    pid=$!
    if DISPLAY=":$display" find_window 'Kestrelmark Personal Reminder Software' 60 "$pid" >/dev/null; then
        sleep 1
        kill -0 "$pid" 2>/dev/null || fail "the program ended on the 8-bit screen: $(tail -5 "$work/x8.log")"
        DISPLAY=":$display" import -window root "$shots/x8.png" 2>/dev/null || true
        step "  Qt's xcb platform accepted the 8-bit screen; the program runs on it"
        stop "$pid"
    elif kill -0 "$pid" 2>/dev/null; then
        fail "the program runs on the 8-bit screen but shows no window"
    else
        step "  Qt's xcb platform refused the 8-bit screen: $(grep -v '^kestrelmark.trace' "$work/x8.log" | head -2 | tr '\n' ' ')"
    fi
    kill "$xpid" 2>/dev/null || true
fi

step "passed"
