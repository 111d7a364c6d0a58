#!/usr/bin/env bash
# Times the desktop program's start with a large reminder file as a user
# sees it: from the start of the process until the calendar's month is
# painted with its icons (the trace line "Calendar painted."), on a real
# desktop (Xvfb, openbox, trayer, a private D-Bus session); then its
# resident memory 2 and 10 seconds after the start (the program packs what
# it keeps of the file once it has been quiet for five).
#
#   bench/desktop-start.sh [BUILD_DIR] [COUNTS] [RUNS]
#
# COUNTS is a comma-separated list (default 10000,100000). Each count gets
# one start that is not counted (it fills the picture cache), then RUNS
# starts; the best and the median of each figure are printed. KM_BASELINE_APP
# names another kestrelmark (an earlier build) to start in turn with this
# one, for an A/B comparison in the same run on a busy machine.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../tests/e2e/lib/common.sh"
# The script runs again in a session of its own, given only the build.
export KM_BENCH_COUNTS="${KM_BENCH_COUNTS:-${2:-10000,100000}}" KM_BENCH_RUNS="${KM_BENCH_RUNS:-${3:-5}}"
export KM_BASELINE_APP="${KM_BASELINE_APP:-}"
e2e_begin desktop-start "${1:-build}"
counts="$KM_BENCH_COUNTS"
runs="$KM_BENCH_RUNS"
command -v python3 >/dev/null || { echo "desktop-start: missing python3" >&2; exit 2; }
[ -z "$KM_BASELINE_APP" ] || [ -x "$KM_BASELINE_APP" ] || { echo "desktop-start: no $KM_BASELINE_APP" >&2; exit 2; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
km_start_desktop
e2e_home "$tmp/home"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for count in ${counts//,/ }; do
    python3 "$here/make-reminders.py" "$count" "$file"
    python3 - "$count" "$runs" "$app" "$KM_BASELINE_APP" <<'PY'
import os, signal, statistics, subprocess, sys, threading, time
count, runs, app, baseline = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
programs = [("kestrelmark", app)] + ([("baseline", baseline)] if baseline else [])

def rss_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0

def one_start(program):
    """Milliseconds to the first paint, and the resident memory in kB at 2 s and 10 s."""
    start = time.monotonic()
    p = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    painted = threading.Event()
    log = []
    def read():  # the trace lines as they come, kept read so the program never waits on the pipe
        for line in p.stderr:
            log.append(line)
            if not painted.is_set() and "Calendar painted." in line:
                log.append(time.monotonic())
                painted.set()
    threading.Thread(target=read, daemon=True).start()
    try:
        if not painted.wait(60):
            sys.exit("desktop-start: the calendar was never painted\n" + "".join(str(l) for l in log[-20:]))
        ms = (next(t for t in log if isinstance(t, float)) - start) * 1000
        figures = [ms]
        for at in (2, 10):
            time.sleep(max(0, start + at - time.monotonic()))
            if p.poll() is not None:
                sys.exit("desktop-start: the program ended early")
            figures.append(rss_kb(p.pid))
        return figures
    finally:
        p.send_signal(signal.SIGTERM)
        try:
            p.wait(10)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()

for _, program in programs:
    one_start(program)  # fills the picture cache
figures = {name: [] for name, _ in programs}
for _ in range(runs):
    for name, program in programs:  # in turn, so a busy moment falls on all of them
        figures[name].append(one_start(program))

def summary(values, digits=0):
    return "best %.*f, median %.*f" % (digits, min(values), digits, statistics.median(values))
print("\n%s reminders, %d starts" % (count, runs))
print("%-12s %-24s %-24s %s" % ("", "painted (ms)", "memory at 2 s (MiB)", "at 10 s (MiB)"))
for name, _ in programs:
    f = figures[name]
    print("%-12s %-24s %-24s %s" % (name, summary([x[0] for x in f]), summary([x[1] / 1024 for x in f], 1),
                                    summary([x[2] / 1024 for x in f], 1)))
PY
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
