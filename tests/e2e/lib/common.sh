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

# The programs of the build folder given (relative names are taken from the
# source tree's root), checked to exist; then the script runs again on a
# virtual display of its own. Sets build, app and cli.
e2e_begin() { # script name, build folder, further programs of the build folder...
    local name="$1" root program
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
    build="${2:-build}"
    case "$build" in /*) ;; *) build="$root/$build" ;; esac
    app="$build/app/kestrelmark"
    cli="$build/cli/kestrelmark-cli"
    local -a programs=("$app" "$cli")
    for program in "${@:3}"; do programs+=("$build/$program"); done
    for program in "${programs[@]}"; do
        [ -x "$program" ] || { echo "$name: build $(basename "$program") first" >&2; exit 1; }
    done
    export LANG=C.UTF-8 TZ=UTC
    if [ -z "${KM_E2E_INNER:-}" ]; then
        export KM_E2E_INNER=1
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
    fi
}

# A person of their own under folder: data, settings and runtime folders.
# Sets file to the reminder file of that person.
e2e_home() { # folder
    export XDG_DATA_HOME="$1/data" XDG_CONFIG_HOME="$1/config" XDG_RUNTIME_DIR="$1/run"
    mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/Quendrake Inc/Kestrelmark"
    chmod 700 "$XDG_RUNTIME_DIR"
    file="$XDG_DATA_HOME/Quendrake Inc/Kestrelmark/Kestrelmark.km2"
}

# Starts the program of the build on the current person's folders and waits
# for its main window, answering the one-time report of a missing tray.
# Sets pid, main (the window) and mx my (its top-left corner).
e2e_start_main() { # log file
    "$app" >"$1" 2>&1 &
    pid=$!
    main="$(find_window 'Kestrelmark Personal Reminder Software')" || return 1
    sleep 1
    local box
    if box="$(find_window '^Kestrelmark$' 8)"; then
        xdotool windowfocus "$box" key Return
        sleep 0.5
    fi
    read -r mx my < <(origin "$main")
}
