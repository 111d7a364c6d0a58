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
settings() { # key=value lines of the Backup section
    mkdir -p "$XDG_CONFIG_HOME/Quendrake Inc"
    # The desktop has no tray: that was told on an earlier start.
    printf '[Backup]\n%s\n[Options]\nTrayMissingReported=1\n' "${1:-}" \
        >"$XDG_CONFIG_HOME/Quendrake Inc/Kestrelmark.conf"
}
# A weekly backup of two reminders beside the file, a backup due; sets
# folder and backup_sum.
km_backup_due() {
    folder="$(dirname "$file")"
    "$cli" add "$folder/KestrelmarkBackup.km2" --at 2031-05-01T09:00 --message "Kept one" >/dev/null
    "$cli" add "$folder/KestrelmarkBackup.km2" --at 2031-05-02T09:00 --message "Kept two" >/dev/null
    settings "LastBackupDate=$(date -u -d '-10 days' +%Y-%m-%dT%H:%M:%S)"
    backup_sum="$(sha256sum <"$folder/KestrelmarkBackup.km2")"
}
