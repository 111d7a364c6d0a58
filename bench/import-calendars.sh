#!/usr/bin/env bash
# Times whole `kestrelmark-cli import` runs into an empty reminder file:
# a 238 699-row calendar CSV (random dates over 21 years, times with
# seconds, US forms unless --form says otherwise) and a 100 000-event
# iCalendar file (~40 MB).
# Prints the median and the spread of the wall times, the median CPU time
# (user + system: what the load of a shared machine changes least), and
# the load.
#
#   bench/import-calendars.sh [--locale LANG] [--form us|de|fr] [BUILD_DIR] [RUNS] [CSV_ROWS] [ICS_EVENTS]
#
# --locale runs the program under that LANG (en_US.UTF-8 unless given);
# --form writes the CSV as the US (the default), German or French Outlook
# does, so the two together show how a file from elsewhere is read.
#
# Installs nothing: it says what is missing and stops.
set -euo pipefail

lang=en_US.UTF-8
form=us
while [ $# -gt 0 ]; do
    case "$1" in
    --locale) lang=${2:?--locale needs a name such as de_DE.UTF-8}; shift 2 ;;
    --form) form=${2:?--form needs us, de or fr}; shift 2 ;;
    *) break ;;
    esac
done
build=${1:-build-rel}
runs=${2:-5}
rows=${3:-238699}
events=${4:-100000}
here=$(dirname "$0")

cli="$build/cli/kestrelmark-cli"
missing=()
[ -x "$cli" ] || missing+=("$cli (build it first: cmake --build $build --target kestrelmark-cli)")
command -v python3 >/dev/null || missing+=("python3 (Debian package: python3)")
case "$lang" in
C | C.* | POSIX) ;;
*) locale -a | grep -qix "${lang/.UTF-8/.utf8}" || missing+=("the locale $lang (tools/deps.sh generates it)") ;;
esac
if [ ${#missing[@]} -gt 0 ]; then
    printf 'import-calendars: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make-calendar-csv.py" "$rows" "$work/calendar.csv" "$form"
python3 "$here/make-calendar-ics.py" "$events" "$work/calendar.ics"

# Data and settings go to the scratch folder, never the user's.
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"

measure() {
    python3 - "$runs" "$work" "$lang" "$@" <<'PY'
import os, statistics, sys, time
runs, work, lang, cmd = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
target = os.path.join(work, "reminders.km2")
# The user's locale, as a desktop session sets it.
env = dict(os.environ, LANG=lang)
for name in ("LC_ALL", "LC_TIME", "LANGUAGE"):
    env.pop(name, None)
walls, cpus = [], []
for _ in range(runs):
    if os.path.exists(target):
        os.remove(target)
    with open(os.path.join(work, "out.json"), "wb") as sink, open(os.path.join(work, "err.txt"), "wb") as err:
        start = time.monotonic()
        pid = os.posix_spawnp(cmd[0], cmd, env, file_actions=[
            (os.POSIX_SPAWN_DUP2, sink.fileno(), 1), (os.POSIX_SPAWN_DUP2, err.fileno(), 2)])
        _, status, usage = os.wait4(pid, 0)
        walls.append(time.monotonic() - start)
        cpus.append(usage.ru_utime + usage.ru_stime)
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.stderr.write(open(os.path.join(work, "err.txt")).read())
        sys.stderr.write(open(os.path.join(work, "out.json")).read()[:2000])
        sys.exit("import-calendars: %s exited with %d" % (" ".join(cmd), code))
print("median %.3f s wall (min %.3f, max %.3f), %.3f s CPU, %d runs"
      % (statistics.median(walls), min(walls), max(walls), statistics.median(cpus), runs))
PY
}

echo "LANG=$lang, load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'calendar CSV, %d rows, %s form (%s): ' "$rows" "$form" "$(du -h "$work/calendar.csv" | cut -f1)"
measure "$cli" import "$work/reminders.km2" "$work/calendar.csv"
echo "  $(tr -d '\n ' <"$work/out.json" | cut -c1-200)"
printf 'iCalendar, %d events (%s): ' "$events" "$(du -h "$work/calendar.ics" | cut -f1)"
measure "$cli" import "$work/reminders.km2" "$work/calendar.ics"
echo "  $(tr -d '\n ' <"$work/out.json" | cut -c1-200)"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
