#!/usr/bin/env bash
# The installed tree of a build: every file where the freedesktop and Debian
# conventions put it, each clean by its own validator, and the manual page
# and the bash completion covering every command, option and file kind that
# kestrelmark-cli's own help names (so a new command without them fails).
#   tests/packaging/check-install.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
source="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# The tool's help is read in English, the language its manual page is in.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

DESTDIR="$tmp/tree" cmake --install "$build" --prefix /usr >/dev/null
usr="$tmp/tree/usr"
expected=(bin/kestrelmark bin/kestrelmark-cli libexec/kestrelmark/kestrelmark-cli-exchange
    share/applications/kestrelmark.desktop
    share/metainfo/com.quendrake.kestrelmark.metainfo.xml
    share/mime/packages/kestrelmark.xml
    share/bash-completion/completions/kestrelmark-cli
    share/man/man1/kestrelmark.1.gz share/man/man1/kestrelmark-cli.1.gz
    share/man/de/man1/kestrelmark.1.gz share/man/fr/man1/kestrelmark.1.gz
    share/doc/kestrelmark/copyright share/doc/kestrelmark/changelog.gz)
# Every size the artwork generator draws, and its double-density form.
for size in 16 22 24 32 48 64 128 256; do
    folders=("${size}x${size}:$size")
    [ -f "$source/resources/icons/kestrelmark-$size@2x.png" ] && folders+=("${size}x${size}@2:$((size * 2))")
    for folder in "${folders[@]}"; do
        icon="share/icons/hicolor/${folder%:*}/apps/kestrelmark.png"
        expected+=("$icon")
        pixels="${folder#*:}"
        [ -f "$usr/$icon" ] && { file "$usr/$icon" | grep -q "PNG image data, $pixels x $pixels," || fail "$icon is not $pixels pixels"; }
    done
done
for f in "${expected[@]}"; do
    [ -f "$usr/$f" ] || fail "not installed: /usr/$f"
done
echo "installed: ${#expected[@]} files"

out="$(desktop-file-validate "$usr/share/applications/kestrelmark.desktop" 2>&1)" || fail "desktop entry: $out"
[ -z "$out" ] || fail "desktop entry: $out"
out="$(appstreamcli validate --no-net --pedantic "$usr/share/metainfo/com.quendrake.kestrelmark.metainfo.xml" 2>&1)" ||
    fail "metainfo: $out"
grep -q '^[EWIP]:' <<<"$out" && fail "metainfo: $out"
cp -r "$usr/share/mime" "$tmp/mime"
out="$(XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>&1)"
[ -z "$out" ] || fail "file types: $out"
for type in application/x-kestrelmark-pack application/x-kestrelmark-reminders; do
    grep -qx "$type" "$tmp/mime/types" || fail "file types: $type missing"
done
for page in man1/kestrelmark man1/kestrelmark-cli de/man1/kestrelmark fr/man1/kestrelmark; do
    out="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$usr/share/man/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$out" ] || fail "$page(1): $out"
done
echo "validators clean"

# The tool starts on Qt Core alone; its companion, found from the installed
# tree, answers for the rest (the help below comes from it).
cli="$usr/bin/kestrelmark-cli"
needed="$(readelf -d "$cli" | grep NEEDED)"
for lib in libQt6Network libical libQt6Gui; do
    grep -q "$lib" <<<"$needed" && fail "kestrelmark-cli loads $lib"
done

# The commands and options as the tool itself lists them.
mapfile -t commands < <("$cli" --help | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
((${#commands[@]} > 5)) || fail "kestrelmark-cli --help lists no commands"
man="$(zcat "$usr/share/man/man1/kestrelmark-cli.1.gz" | sed 's/\\-/-/g')"
completion="$usr/share/bash-completion/completions/kestrelmark-cli"
# What the completion offers for the words given, the last being completed,
# in a folder holding one file of each kind.
mkdir "$tmp/files" && touch "$tmp/files/"{r.km2,old.kmr,p.rpk,c.csv,e.ics,notes.txt}
complete_words() {
    (cd "$tmp/files" && bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        $(complete -p kestrelmark-cli | sed "s/.*-F \([^ ]*\) .*/\1/"); printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@")
}
offered="$(complete_words kestrelmark-cli '')"
for command in "${commands[@]}"; do
    grep -qx -- "$command" <<<"$offered" || fail "completion lacks the command $command"
    section="$(awk -v c="$command" '/^\.SS / { on = ($2 == c) } on' <<<"$man")"
    [ -n "$section" ] || fail "kestrelmark-cli(1) has no section for $command"
    usage="$("$cli" "$command" --help)"
    options="$(complete_words kestrelmark-cli "$command" --)"
    for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
        [ "$option" = --help ] && continue
        grep -qx -- "$option" <<<"$options" || fail "completion of $command lacks $option"
        grep -q -- "$option" <<<"$section" || fail "kestrelmark-cli(1) on $command lacks $option"
    done
    # A command reading a reminder file is offered reminder files first.
    if grep -q "^Usage: kestrelmark-cli $command \(FILE\|IN\)" <<<"$usage"; then
        files="$(complete_words kestrelmark-cli "$command" '')"
        grep -qx r.km2 <<<"$files" && grep -qx old.kmr <<<"$files" || fail "completion of $command offers no reminder file"
        grep -qx notes.txt <<<"$files" && fail "completion of $command offers any file"
    fi
done
files="$(complete_words kestrelmark-cli import r.km2 '')"
for f in p.rpk c.csv e.ics; do grep -qx "$f" <<<"$files" || fail "completion of import's second file lacks $f"; done
echo "man page and completion cover ${#commands[@]} commands"
echo PASS
