#!/usr/bin/env bash
# Screenshots of the windows a translation has to fit: the main window, the
# alert (start-N, with the report of a missing tray before it), the editor, Options and the print preview, in one language at one
# screen scale, to look at before a language ships.
#   tools/l10n-screenshots.sh BUILD_DIR OUT_DIR LANG [SCALE] [pseudo]
# LANG is a generated locale (de_DE.UTF-8); "pseudo" shows the
# pseudo-translation instead of LANG's catalogue (every text longer, with
# accents), so the longest a language may be is seen without one.
set -euo pipefail
build="$(cd "$1" && pwd)" out="$2" lang="$3" scale="${4:-1}" pseudo="${5:-}"
name="${lang%%.*}-${scale}x${pseudo:+-pseudo}"
mkdir -p "$out"
work="$(mktemp -d)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/Quendrake Inc/Kestrelmark"
chmod 700 "$XDG_RUNTIME_DIR"
file="$XDG_DATA_HOME/Quendrake Inc/Kestrelmark/Kestrelmark.km2"
export ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0
# One reminder due as the program starts (the alert), one ahead.
LANG=C.UTF-8 "$build/cli/kestrelmark-cli" add "$file" --at 2026-12-10T08:00 --message "Zahnarzt Dr. Müller, Praxis am Markt" >/dev/null
LANG=C.UTF-8 "$build/cli/kestrelmark-cli" add "$file" --at 2026-12-14T19:30 --message "Chorprobe" --recurrence weekly >/dev/null

numfile="$work/display"
Xvfb -displayfd 3 -screen 0 "$((1280 * scale))x$((960 * scale))x24" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$numfile" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -dc 0-9 <"$numfile")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1
export LANG="$lang" LC_ALL="$lang" TZ=UTC QT_SCALE_FACTOR="$scale"
[ -n "$pseudo" ] && export KESTRELMARK_PSEUDO_L10N=1
faketime '2026-12-10 08:00:30' "$build/app/kestrelmark" >"$work/log" 2>&1 &
pid=$!
pids+=($pid)
shot() { import -window root "$out/$name-$1.png"; echo "$out/$name-$1.png"; }
for _ in $(seq 1 80); do
    xdotool search --onlyvisible --pid "$pid" --name '.' >/dev/null 2>&1 && break
    sleep 0.25
done
sleep 4
# What comes up at the start, one after the other: the report of a desktop
# without a tray, then the alert of the reminder due. Each is shot and
# answered until the main window is left alone.
for step in 1 2 3; do
    [ "$(xdotool search --onlyvisible --pid "$pid" --name '.' 2>/dev/null | wc -l)" -gt 1 ] || break
    shot "start-$step"
    xdotool key Return
    sleep 3
done
# The one window left once the alert is answered.
main="$(xdotool search --onlyvisible --pid "$pid" --name '.' | head -1)"
keys() { xdotool windowactivate --sync "$main" 2>/dev/null || true; xdotool key "$@"; sleep 3; }
shot main
keys ctrl+n; shot editor; xdotool key Escape; sleep 1
keys ctrl+o; shot options; xdotool key Escape; sleep 1
keys ctrl+shift+p; xdotool key Return; sleep 4; shot preview; xdotool key Escape
