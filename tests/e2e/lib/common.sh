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

# A window's top-left corner on the screen as "X Y". (xdotool's geometry
# counts the window manager's frame offset twice; the X server's own
# absolute position is right with or without a frame.)
origin() { # window
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}

# A window's rectangle on the screen as "X Y WIDTH HEIGHT".
km_geometry() { # window
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print x, y, w, h}'
}

# Dialog units of the windows' layouts to pixels (1.5 across, 1.625 down).
dux() { echo $(( ($1 * 3 + 1) / 2 )); }
duy() { echo $(( ($1 * 13 + 4) / 8 )); }

# The programs of the build folder given (relative names are taken from the
# source tree's root), checked to exist; then the script runs again inside a
# private D-Bus session of its own, in a process group that is ended as a
# whole when the script ends (however it ends), so nothing it started (the
# display, the window manager, the tray, the program) outlives it.
# Sets build, app and cli.
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
        # The caller's display and session bus (an xvfb-run around the
        # script, a developer's desktop) are not the script's.
        unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
        setsid dbus-run-session -- bash "$0" "$build" &
        local group=$! rc=0
        trap 'kill -TERM -- "-'"$group"'" 2>/dev/null' TERM INT HUP
        while :; do
            wait "$group" && rc=0 || rc=$?
            kill -0 "$group" 2>/dev/null || break
        done
        kill -TERM -- "-$group" 2>/dev/null || true
        sleep 0.3
        kill -KILL -- "-$group" 2>/dev/null || true
        exit "$rc"
    fi
}

# A desktop of the script's own: a virtual display, the openbox window
# manager and (unless --no-tray) a trayer notification area at the bottom
# right, each waited for until it works. Sets DISPLAY, and tray_x tray_y
# tray_w tray_h (the notification area's rectangle, empty without one).
# They end with the script (see e2e_begin). A second call does nothing.
km_start_desktop() { # [--no-tray]
    [ -n "${km_desktop_up:-}" ] && return 0
    local with_tray=yes
    [ "${1:-}" = "--no-tray" ] && with_tray=
    local numfile n=""
    numfile="$(mktemp)"
    # Xvfb chooses a free display number and writes it when it is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    for _ in $(seq 1 300); do
        n="$(tr -dc 0-9 <"$numfile")"
        [ -n "$n" ] && break
        sleep 0.1
    done
    rm -f "$numfile"
    [ -n "$n" ] || { echo "km_start_desktop: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$n"
    # Services the session bus starts on demand (a notification server)
    # show on this display, as on a desktop.
    dbus-update-activation-environment DISPLAY 2>/dev/null || true
    # A window manager that quits at once (seen now and then while the
    # machine is busy) is started again; what it said goes to the log.
    local wm_log wm_pid attempt
    wm_log="$(mktemp)"
    for attempt in 1 2 3; do
        openbox --sm-disable >"$wm_log" 2>&1 &
        wm_pid=$!
        for _ in $(seq 1 300); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break 2
            kill -0 "$wm_pid" 2>/dev/null || break
            sleep 0.1
        done
        echo "km_start_desktop: openbox attempt $attempt failed: $(tr '\n' ' ' <"$wm_log")" >&2
        kill "$wm_pid" 2>/dev/null || true
    done
    rm -f "$wm_log"
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        { echo "km_start_desktop: openbox did not start" >&2; return 1; }
    tray_x="" tray_y="" tray_w="" tray_h=""
    if [ -n "$with_tray" ]; then
        trayer --edge bottom --align right --widthtype pixel --width 96 --height 24 \
            --SetDockType true --SetPartialStrut true --transparent false --tint 0x404040 \
            --expand false >/dev/null 2>&1 &
        local panel=""
        for _ in $(seq 1 300); do
            panel="$(xdotool search --classname '^panel$' 2>/dev/null | head -1 || true)"
            [ -n "$panel" ] && break
            sleep 0.1
        done
        [ -n "$panel" ] || { echo "km_start_desktop: trayer did not start" >&2; return 1; }
        sleep 0.3
        read -r tray_x tray_y tray_w tray_h < <(km_geometry "$panel")
    fi
    km_desktop_up=1
}

# The program's icon docked in the notification area: its centre as "X Y",
# waiting for it. Fails where there is no tray or nothing docked.
km_tray_icon() {
    [ -n "${tray_x:-}" ] || return 1
    local w x y width height
    for _ in $(seq 1 40); do
        for w in $(xdotool search --all --onlyvisible --classname '^kestrelmark$' 2>/dev/null); do
            read -r x y width height < <(km_geometry "$w")
            if [ "$x" -ge "$tray_x" ] && [ "$y" -ge "$tray_y" ] && [ "$height" -le "$tray_h" ]; then
                echo $((x + width / 2)) $((y + height / 2))
                return 0
            fi
        done
        sleep 0.25
    done
    return 1
}

# A person of their own under folder: data, settings and runtime folders.
# Sets file to the reminder file of that person.
e2e_home() { # folder
    export XDG_DATA_HOME="$1/data" XDG_CONFIG_HOME="$1/config" XDG_RUNTIME_DIR="$1/run"
    mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/Quendrake Inc/Kestrelmark"
    chmod 700 "$XDG_RUNTIME_DIR"
    file="$XDG_DATA_HOME/Quendrake Inc/Kestrelmark/Kestrelmark.km2"
}

# A journey's own folder, removed at the end with the program ($pid) ended:
# sets work, the person's folders (e2e_home), shots (KM_E2E_SHOTS or a
# folder of work) and fail, which photographs the screen and ends the
# journey.
e2e_workspace() { # journey name
    e2e_journey="$1"
    work="$(mktemp -d)"
    trap 'kill ${pid:+"$pid"} 2>/dev/null || true; rm -rf "$work"' EXIT
    e2e_home "$work"
    shots="${KM_E2E_SHOTS:-$work/shots}"
    mkdir -p "$shots"
    fail() { echo "$e2e_journey: FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }
}

# Starts the program of the build on the current person's folders and waits
# for its main window, answering the one-time report of a missing tray.
# Sets pid, main (the window) and mx my (its top-left corner).
e2e_start_main() { # log file
    km_start_desktop || return 1
    "$app" >"$1" 2>&1 &
    pid=$!
    # A sanitizer build on a busy machine may take many seconds to start.
    main="$(find_window 'Kestrelmark Personal Reminder Software' 160)" || {
        echo "e2e_start_main: no main window; the program $(kill -0 "$pid" 2>/dev/null &&
            echo "still runs" || echo "has ended"); it said:" >&2
        xdotool getmouselocation >/dev/null 2>&1 || echo "e2e_start_main: the display $DISPLAY is gone" >&2
        tail -n 40 "$1" >&2
        return 1
    }
    sleep 1
    local box
    # Only a desktop without a tray brings the report.
    if [ -z "${tray_x:-}" ] && box="$(find_window '^Kestrelmark$' 8)"; then
        xdotool windowfocus "$box" key Return
        sleep 0.5
    fi
    read -r mx my < <(origin "$main")
}

# The program of the build under a wall clock the script moves (libfaketime;
# the monotonic clock stays real). Sets app to a wrapper in folder and
# defines epoch, iso, set_clock and fake_now. Fails where libfaketime is
# missing.
km_fake_clock() { # script name, folder
    local lib
    lib="$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1 || true)"
    [ -n "$lib" ] || { echo "$1: libfaketime is not installed (package faketime)" >&2; return 1; }
    km_clockfile="$2/clock"
    local real_app="$app"
    app="$2/kestrelmark-faked"
    cat >"$app" <<WRAP
#!/bin/sh
export LD_PRELOAD="$lib" FAKETIME_TIMESTAMP_FILE="$km_clockfile" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
exec "$real_app" "\$@"
WRAP
    chmod +x "$app"
}
epoch() { date -u -d "$1" +%s; }
iso() { date -u -d "@$1" +%Y-%m-%dT%H:%M:%S; }
# Sets the program's wall clock to the given epoch second, from now on.
set_clock() { echo "$(( $1 - $(date +%s) ))" | sed 's/^\([0-9]\)/+\1/' >"$km_clockfile"; }
fake_now() { echo $(( $(date +%s) + $(sed 's/^+//' "$km_clockfile") )); }

alert_open() { # window
    xdotool search --onlyvisible --name "Kestrelmark Reminder" 2>/dev/null | grep -qx "$1"
}
# Waits up to the given seconds for an alert of the program (pid); prints
# its window. Calls the script's fail when the program ends meanwhile.
wait_alert() { # seconds
    local w
    for _ in $(seq 1 $(( $1 * 4 ))); do
        w="$(xdotool search --onlyvisible --name "Kestrelmark Reminder" 2>/dev/null | head -n 1 || true)"
        [ -n "$w" ] && { echo "$w"; return 0; }
        kill -0 "$pid" 2>/dev/null || fail "the program ended"
        sleep 0.25
    done
    return 1
}

# Waiting on the program's own trace lines (QT_LOGGING_RULES with
# kestrelmark.trace.debug=true) instead of on the clock.
# The count of lines in a log so far: a mark to wait from.
km_log_mark() { # log
    if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi
}
# Waits up to the given seconds for a line after the mark that matches the
# extended regular expression; prints it.
km_wait_log() { # log mark regex seconds
    local line
    for _ in $(seq 1 $(( $4 * 10 ))); do
        line="$(tail -n +"$(( $2 + 1 ))" "$1" 2>/dev/null | grep -E -m 1 -- "$3" || true)"
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.1
    done
    return 1
}
# Waits for a due pass that started after the mark and ended with nothing
# presented: what a check that no alert comes waits for. Fails when the
# pass presented something or none ran in time.
km_wait_quiet_pass() { # log mark [seconds]
    local line
    line="$(km_wait_log "$1" "$2" 'Due pass done: ' "${3:-40}")" || return 1
    [[ "$line" == *"Due pass done: 0 presented."* ]]
}

# A Wayland desktop of the script's own instead of an X display: weston's
# headless back end (drawn in memory, so screenshots work), with Qt's
# Wayland platform and accessibility on, waited for until its socket is
# there. scale 2 shows the output at 200 %. Sets WAYLAND_DISPLAY.
km_start_weston() { # [scale]
    command -v weston >/dev/null || { echo "km_start_weston: weston is not installed" >&2; return 1; }
    local socket="km-weston-$$-$RANDOM"
    [ -n "${XDG_RUNTIME_DIR:-}" ] || { echo "km_start_weston: no XDG_RUNTIME_DIR" >&2; return 1; }
    # --debug lets weston-screenshooter take pictures.
    weston --backend=headless-backend.so --use-pixman --socket="$socket" --idle-time=0 \
        --width=1024 --height=768 --scale="${1:-1}" --debug >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    for _ in $(seq 1 100); do
        [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "km_start_weston: weston did not start" >&2; cat "$XDG_RUNTIME_DIR/weston.log" >&2; return 1; }
    unset DISPLAY
    export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # The headless compositor has no seat, and Qt 6.4's Wayland text input
    # then crashes painting a text cursor (it asks the missing seat for its
    # text input): no input method, as there is no keyboard anyway.
    export QT_IM_MODULE=none
    dbus-update-activation-environment WAYLAND_DISPLAY 2>/dev/null || true
}

# The whole Wayland output as a PNG file.
km_weston_shot() { # file
    local dir
    dir="$(mktemp -d)"
    (cd "$dir" && weston-screenshooter >/dev/null 2>&1) || { rm -rf "$dir"; return 1; }
    mv "$dir"/*.png "$1" 2>/dev/null || { rm -rf "$dir"; return 1; }
    rmdir "$dir"
}

# An accessibility bus of the session's own, and Qt told to use it: what a
# screen reader would see is then read with atspi_probe.py.
km_start_atspi() {
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "km_start_atspi: at-spi2-core is not installed" >&2; return 1; }
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    for _ in $(seq 1 40); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 || return 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Debian's own Python, which has the distribution's D-Bus, GObject and
# AT-SPI bindings (a python3 earlier on PATH may not).
km_python() { /usr/bin/python3 "$@"; }

# A CalDAV server of its own (Radicale) on a free port of 127.0.0.1, with
# one user and its storage under folder. Sets radicale_port and
# radicale_pid; fails when it does not answer within 10 s.
km_start_radicale() { # folder user password [log level]
    radicale_port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    htpasswd -c -b -p "$1/users" "$2" "$3" 2>/dev/null
    cat >"$1/radicale.conf" <<CONF
[server]
hosts = 127.0.0.1:$radicale_port
[auth]
type = htpasswd
htpasswd_filename = $1/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $1/storage
[rights]
type = owner_only
[logging]
level = ${4:-info}
CONF
    radicale --config "$1/radicale.conf" >"$1/radicale.log" 2>&1 &
    radicale_pid=$!
    for _ in $(seq 1 100); do
        curl -s -o /dev/null "http://127.0.0.1:$radicale_port/" && return 0
        sleep 0.1
    done
    return 1
}
