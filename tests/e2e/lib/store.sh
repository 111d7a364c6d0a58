# Helpers for the scripts that share one reminder file between the program
# and other writers (sourced after common.sh).

# Builds the preload library that stands for unreadable files and read-only
# folders (see deny_open.c) into folder; prints its path.
build_deny_shim() { # folder
    local lib
    lib="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    cc -shared -fPIC -o "$1/deny_open.so" "$lib/deny_open.c" -ldl && echo "$1/deny_open.so"
}

# Answers every message box of the program that shows within seconds.
answer_boxes() { # seconds
    local box
    for _ in $(seq 1 "$(( $1 * 2 ))"); do
        box="$(xdotool search --onlyvisible --name '^Kestrelmark$' 2>/dev/null | tail -n 1 || true)"
        if [ -n "$box" ]; then
            xdotool windowfocus "$box" key Return 2>/dev/null || true
        fi
        sleep 0.5
    done
}

# Ends the program of pid with SIGTERM; fails unless it is gone within
# the seconds given.
end_within() { # seconds
    kill -TERM "$pid"
    for _ in $(seq 1 "$(( $1 * 4 ))"); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; pid=""; return 0; }
        sleep 0.25
    done
    fail "the program did not end within $1 seconds of SIGTERM"
}

# Waits until the log holds the text; false after the seconds given.
wait_for_log() { # log text seconds
    for _ in $(seq 1 "$(( $3 * 4 ))"); do
        grep -qF "$2" "$1" 2>/dev/null && return 0
        sleep 0.25
    done
    return 1
}

# The messages of a reminder file, one a line.
messages_of() { # file
    "$cli" dump "$1" | python3 -c 'import json,sys; [print(r["message"]) for r in json.load(sys.stdin)["reminders"]]'
}
