# For the journeys that start and end the program many times under a moved
# clock, each start with its own log in $tmp/app.log (sourced after
# common.sh). km_program_journey sets tmp (removed at the end, with the
# program ended), faked (the program under the clock) and pid.

km_program_journey() { # journey name
    tmp="$(mktemp -d)"
    pid=""
    trap km_program_cleanup EXIT
    export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
    km_fake_clock "$1" "$tmp"
    faked="$app"
}
km_program_cleanup() {
    [ -n "$pid" ] && stop "$pid"
    rm -rf "$tmp"
}
fail() { echo "FAIL: $*"; [ -f "$tmp/app.log" ] && tail -n 30 "$tmp/app.log"; exit 1; }
start() { # program (default: the one under the moved clock)
    "${1:-$faked}" >"$tmp/app.log" 2>&1 &
    pid=$!
}
main_window() { find_window 'Kestrelmark Personal Reminder Software' 40 "$pid" >/dev/null || fail "no main window"; }
end_within() { # seconds
    kill -TERM "$pid"
    for _ in $(seq 1 "$(( $1 * 4 ))"); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; pid=""; return 0; }
        sleep 0.25
    done
    fail "the program did not end within $1 seconds of SIGTERM"
}
settings() { # key=value lines of the Backup section
    mkdir -p "$XDG_CONFIG_HOME/Quendrake Inc"
    # The desktop has no tray: that was told on an earlier start.
    printf '[Backup]\n%s\n[Options]\nTrayMissingReported=1\n' "${1:-}" \
        >"$XDG_CONFIG_HOME/Quendrake Inc/Kestrelmark.conf"
}
