#!/usr/bin/env bash
# Times `kestrelmark-cli occurrences` against `remind -s1` over the same
# mixed reminders (one-time, annual, monthly, weekly; notices of 0 to 7
# days; days 1 to 28) for one month, in the same run, each writing its
# listing to a file as a user's script would, and checks that both list
# the same number of occurrences.
#
#   bench/compare-remind.sh [BUILD_DIR] [COUNTS] [RUNS]
#
# COUNTS is a comma-separated list (default 100000,10000); each program
# runs RUNS times (default 5), the programs in turn, and the median of its
# CPU time (user + system) and wall time is printed. KM_BASELINE_CLI names
# another kestrelmark-cli (an earlier build) to time in the same turns:
# on a busy machine an A/B comparison in one run is the fair one.
#
# Installs nothing: it says what is missing and stops.
set -euo pipefail

build=${1:-build}
counts=${2:-100000,10000}
runs=${3:-5}
month_from=2027-03-01
month_to=2027-03-31

cli="$build/cli/kestrelmark-cli"
baseline=${KM_BASELINE_CLI:-}
missing=()
[ -x "$cli" ] || missing+=("$cli (build the project first: cmake --build $build --target kestrelmark-cli)")
[ -z "$baseline" ] || [ -x "$baseline" ] || missing+=("$baseline (KM_BASELINE_CLI)")
command -v remind >/dev/null || missing+=("remind (Debian package: remind)")
command -v python3 >/dev/null || missing+=("python3 (Debian package: python3)")
if [ ${#missing[@]} -gt 0 ]; then
    printf 'compare-remind: missing %s\n' "${missing[@]}" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for count in ${counts//,/ }; do
    # The same reminders in both forms, from one seeded generator.
    python3 "$(dirname "$0")/make-reminders.py" "$count" "$work/reminders.km2" "$work/reminders.rem"
    python3 - "$runs" "$count" "$work" "$cli" "$baseline" "$month_from" "$month_to" <<'PY'
import json, os, statistics, sys, time
runs, count, work, cli, baseline, first, last = sys.argv[1:]
runs = int(runs)
km = ["occurrences", work + "/reminders.km2", "--from", first, "--to", last]
y, m, _ = first.split("-")
month = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"][int(m) - 1]
programs = [("kestrelmark-cli", [cli] + km, "km.json")]
if baseline:
    programs.append(("baseline", [baseline] + km, "baseline.json"))
programs.append(("remind -s1", ["remind", "-s1", work + "/reminders.rem", "1", month, y], "remind.txt"))

def once(cmd, out):
    # The listing goes to a file, written out by the time the program ends.
    with open(os.path.join(work, out), "wb") as sink, open(os.devnull, "wb") as null:
        start = time.monotonic()
        pid = os.posix_spawnp(cmd[0], cmd, os.environ, file_actions=[
            (os.POSIX_SPAWN_DUP2, sink.fileno(), 1), (os.POSIX_SPAWN_DUP2, null.fileno(), 2)])
        _, status, usage = os.wait4(pid, 0)
        wall = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("compare-remind: %s failed" % cmd[0])
    return usage.ru_utime + usage.ru_stime, wall

times = {name: [] for name, _, _ in programs}
# In turn, so a busy moment falls on all of them. A listing run right
# after another one starts with that one's code and libraries warm in the
# processor's caches, and runs about a millisecond faster than one run
# after remind. So with a baseline the two swap places every round; alone,
# kestrelmark-cli always follows remind, as it would follow some other
# program in a user's script.
for run in range(runs):
    listings = programs[:-1] if run % 2 == 0 else programs[-2::-1]
    for name, cmd, out in listings + programs[-1:]:
        times[name].append(once(cmd, out))

def occurrences(out):
    path = os.path.join(work, out)
    if out.endswith(".json"):
        return len(json.load(open(path))["occurrences"])
    return sum(1 for line in open(path, errors="replace") if line.strip())

print("\n%d reminders, %s to %s, median of %d runs" % (int(count), first, last, runs))
print("%-18s %9s %9s %12s %12s" % ("", "CPU s", "wall s", "occurrences", "output MB"))
median = {}
for name, _, out in programs:
    cpu = statistics.median(t[0] for t in times[name])
    wall = statistics.median(t[1] for t in times[name])
    median[name] = (cpu, wall)
    size = os.path.getsize(os.path.join(work, out)) / 1e6
    print("%-18s %9.4f %9.4f %12d %12.1f" % (name, cpu, wall, occurrences(out), size))
rem_cpu, rem_wall = median["remind -s1"]
for name, _, _ in programs[:-1]:
    cpu, wall = median[name]
    ratio = lambda a, b: "%.1f" % (a / b) if b > 0 else "(too fast to time)"
    print("remind takes %s times the CPU time, %s times the wall time of %s"
          % (ratio(rem_cpu, cpu), ratio(rem_wall, wall), name))
counts = {occurrences(out) for _, _, out in programs}
if len(counts) != 1:
    sys.exit("compare-remind: the counts differ (%s)" % sorted(counts))
PY
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
