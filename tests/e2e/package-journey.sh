#!/usr/bin/env bash
# The Debian package as a user meets it: lintian finds no error in it, apt
# installs it, the menu entry's Exec line starts the program, a pack opened
# with xdg-open reaches the running program, man and bash completion know
# kestrelmark-cli, and purging the package leaves none of its files and
# nothing that a session would start at the next login. Runs
# when tools/package.sh has built the package (KM_PACKAGE names another),
# as root or with sudo, and only where no kestrelmark package is installed.
#   tests/e2e/package-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin package-journey "${1:-}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
skip() { echo "package-journey: skipped: $*"; exit 0; }
deb="${KM_PACKAGE:-$(ls "$root"/build-package/kestrelmark_*.deb 2>/dev/null | tail -n 1 || true)}"
[ -f "$deb" ] || skip "no package (tools/package.sh builds it)"
deb="$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
sudo=
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || skip "installing needs root or sudo"
    sudo="sudo -n"
fi
dpkg-query -W -f='${Status}' kestrelmark 2>/dev/null | grep -q "ok installed" &&
    skip "a kestrelmark package is installed already; it is left alone"

tmp="$(mktemp -d)"
pid=""
installed=""
cleanup() {
    [ -n "$pid" ] && stop "$pid"
    [ -n "$installed" ] && $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq \
        -o DPkg::Lock::Timeout=300 kestrelmark >/dev/null 2>&1
    [ -n "${planted:-}" ] && $sudo rm -f "$own"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/main.log" ] && tail -n 30 "$tmp/main.log"; exit 1; }

echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
lintian --fail-on error "$deb" >"$tmp/lintian" 2>&1 || { cat "$tmp/lintian"; fail "lintian finds errors"; }
echo "lintian: $(grep -v 'with root privileges' "$tmp/lintian" || echo "no tags")"

installed=yes
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" >"$tmp/apt.log" 2>&1 ||
    { cat "$tmp/apt.log"; fail "apt-get cannot install the package"; }
dpkg-query -L kestrelmark | while read -r f; do if [ -f "$f" ]; then echo "$f"; fi; done >"$tmp/files"
echo "installed $(wc -l <"$tmp/files") files"
entry=/usr/share/applications/kestrelmark.desktop
desktop-file-validate "$entry" || fail "the installed desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/com.quendrake.kestrelmark.metainfo.xml >/dev/null ||
    fail "the installed metainfo is not valid"

# The program as the menu starts it (no file: the entry's %f is dropped).
e2e_home "$tmp/home"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
km_start_desktop || fail "no desktop"
read -ra command <<<"$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fF]//')"
"${command[@]}" >"$tmp/main.log" 2>&1 &
pid=$!
find_window 'Kestrelmark Personal Reminder Software' 60 >/dev/null || fail "the menu entry's program shows no window"
[ "$(readlink "/proc/$pid/exe")" = /usr/bin/kestrelmark ] || fail "the menu entry did not start /usr/bin/kestrelmark"
grep -q "InitInstance() done" "$tmp/main.log" || sleep 1
[ -e "$XDG_DATA_HOME/applications/kestrelmark.desktop" ] && fail "the installed program wrote a desktop entry of its own"
[ -e "$XDG_DATA_HOME/mime/packages/kestrelmark.xml" ] && fail "the installed program wrote file types of its own"
grep -qx "Exec=kestrelmark" "$XDG_CONFIG_HOME/autostart/kestrelmark.desktop" ||
    fail "the login start does not start the installed program"
grep -qx "TryExec=/usr/bin/kestrelmark" "$XDG_CONFIG_HOME/autostart/kestrelmark.desktop" ||
    fail "the login start would outlive the program (no TryExec)"
echo "started from the menu entry; only the login start is the user's"

# A friend's pack, opened as a file manager would.
kestrelmark-cli add "$tmp/friend.km2" --at "$(date -d '+20 days' +%Y-%m-%dT10:00)" --message "From a friend" \
    --icon Birthday >/dev/null 2>&1
kestrelmark-cli export "$tmp/friend.km2" "$tmp/friend pack.rpk" >/dev/null 2>&1
[ "$(xdg-mime query filetype "$tmp/friend pack.rpk")" = application/x-kestrelmark-pack ] || fail "the pack's type is unknown"
[ "$(xdg-mime query default application/x-kestrelmark-pack)" = kestrelmark.desktop ] ||
    fail "packs do not open with Kestrelmark"
xdg-open "$tmp/friend pack.rpk" >"$tmp/open.log" 2>&1 || { cat "$tmp/open.log"; fail "xdg-open failed"; }
for _ in $(seq 1 80); do
    grep -q "Message box: Reminder Pack successfully imported." "$tmp/main.log" && break
    sleep 0.25
done
grep -q "Message box: Reminder Pack successfully imported." "$tmp/main.log" || fail "the pack did not reach the program"
box="$(find_window '^Kestrelmark$' 40 "$pid")" && xdotool windowfocus "$box" key Return 2>/dev/null || true
stop "$pid"
pid=""
kestrelmark-cli dump "$file" 2>/dev/null | grep -q '"message": "From a friend"' || fail "the pack's reminder was not kept"
echo "a pack opened with xdg-open was imported"

man -w kestrelmark-cli >/dev/null || fail "man does not find kestrelmark-cli"
MANWIDTH=80 man kestrelmark-cli 2>/dev/null | grep -q "delete-range" || fail "man kestrelmark-cli lacks the commands"
man -w kestrelmark >/dev/null || fail "man does not find kestrelmark"

# Tab in an interactive bash that loads bash-completion as a user's does.
printf 'PS1="READY> "\n. /usr/share/bash-completion/bash_completion\n' >"$tmp/bashrc"
python3 - "$tmp/bashrc" <<'PY' || fail "kestrelmark-cli im<Tab> does not complete"
import os, pty, select, sys, time
pid, fd = pty.fork()
if pid == 0:
    os.environ["TERM"] = "dumb"
    os.execvp("bash", ["bash", "--rcfile", sys.argv[1], "-i"])
def read_until(marker, seconds=20):
    seen, end = b"", time.time() + seconds
    while time.time() < end and marker not in seen:
        if select.select([fd], [], [], 0.2)[0]:
            try:
                seen += os.read(fd, 4096)
            except OSError:
                break
    return seen
read_until(b"READY> ")
os.write(fd, b"kestrelmark-cli im\t")
seen = read_until(b"kestrelmark-cli import ")
os.write(fd, b"\x15exit\n")
sys.exit(0 if b"kestrelmark-cli import " in seen else 1)
PY
echo "kestrelmark-cli im<Tab> completes to import"

# The same login start in the folder of a user the system knows (this one),
# as a first run from the menu writes it there.
own="$(getent passwd "$(id -un)" | cut -d: -f6)/.config/autostart/kestrelmark.desktop"
planted=""
if [ ! -e "$own" ]; then
    $sudo mkdir -p "$(dirname "$own")"
    $sudo cp "$XDG_CONFIG_HOME/autostart/kestrelmark.desktop" "$own"
    planted=yes
fi

installed=""
$sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=300 kestrelmark >"$tmp/apt.log" 2>&1 ||
    { cat "$tmp/apt.log"; fail "apt-get cannot remove the package"; }
left="$(while read -r f; do if [ -e "$f" ]; then echo "$f"; fi; done <"$tmp/files")"
[ -z "$left" ] || fail "left behind: $left"
echo "removed, nothing left behind"

# What a session runs at login (the autostart rules): the entries of the
# user's and the system's autostart folders that are not hidden and whose
# TryExec names a program that is there.
starts_at_login() { # entry
    local try
    grep -qx 'Hidden=true' "$1" && return 1
    try="$(sed -n 's/^TryExec=//p' "$1" | head -n 1)"
    if [ -n "$try" ]; then
        case "$try" in
        /*) [ -x "$try" ] || return 1 ;;
        *) command -v "$try" >/dev/null || return 1 ;;
        esac
    fi
    return 0
}
for entry in "$XDG_CONFIG_HOME"/autostart/*.desktop "$HOME"/.config/autostart/*.desktop /etc/xdg/autostart/*.desktop; do
    [ -f "$entry" ] && grep -q '^Exec=.*kestrelmark' "$entry" || continue
    starts_at_login "$entry" && fail "$entry would start the program at the next login"
done
if [ -n "$planted" ]; then
    [ -e "$own" ] && { rm -f "$own"; fail "the purge left the login start of a user it knows: $own"; }
    echo "the purge removed the login start of a known user"
fi
echo "after the purge nothing starts at login"
echo PASS
