# Shared by the end-to-end scripts of the folder above (sourced, not run).

# Ends a program politely first (it saves its list), then for good.
stop() { # pid
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 1 20); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.25
    done
    kill -9 "$1" 2>/dev/null || true
}

# The newest shown window whose name matches, waiting for it to appear.
find_window() { # name [tries [pid]]
    local w=""
    for _ in $(seq 1 "${2:-40}"); do
        w="$(xdotool search --all --onlyvisible ${3:+--pid "$3"} --name "$1" 2>/dev/null | tail -1 || true)"
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.25
    done
    return 1
}

# A window's top-left corner on the screen as "X Y".
origin() { # window
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y"
}

# Dialog units of the windows' layouts to pixels (1.5 across, 1.625 down).
dux() { echo $(( ($1 * 3 + 1) / 2 )); }
duy() { echo $(( ($1 * 13 + 4) / 8 )); }
