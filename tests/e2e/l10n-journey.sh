#!/usr/bin/env bash
# The program in German and in French, as a user of those desktops meets
# it: the main window's texts read by a screen reader are in the language,
# the calendar's week begins on Monday, the command line's help speaks the
# language, and the reminder file the program writes is the same bytes
# whatever the language.
#   tests/e2e/l10n-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin l10n-journey "${1:-}"
texts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/atspi_texts.py"
km_python -c 'import pyatspi' 2>/dev/null || { echo "l10n-journey: python3-pyatspi is not installed" >&2; exit 1; }
for l in de_DE.utf8 fr_FR.utf8; do
    locale -a | grep -qx "$l" || { echo "l10n-journey: the locale $l is not generated (run tools/deps.sh)" >&2; exit 1; }
done
km_start_desktop
e2e_workspace l10n-journey
km_start_atspi || fail "the accessibility bus did not start"

# Two reminders well ahead, so that no alert comes up.
LANG=en_US.UTF-8 "$cli" add "$file" --at 2031-03-04T09:30 --message "Dentist" >/dev/null
LANG=en_US.UTF-8 "$cli" add "$file" --at 2031-03-09T18:00 --message "Choir" --recurrence weekly >/dev/null
cp "$file" "$work/written-in-english.km2"

# lang title texts...: starts the program under lang, reads the main
# window through AT-SPI and checks each text is among what it reads.
journey() {
    local lang="$1" title="$2" monday="$3"
    shift 3
    cp "$work/written-in-english.km2" "$file"
    LANG="$lang" LC_ALL="$lang" "$app" >"$work/${lang%%.*}.log" 2>&1 &
    pid=$!
    main="$(find_window "$title" 160 "$pid")" || fail "$lang: no main window '$title'"
    local read="" rc=0
    for _ in $(seq 1 40); do
        rc=0; read="$(km_python "$texts" "$title" 2>/dev/null)" || rc=$?
        [ "$rc" -eq 0 ] && grep -q '^column' <<<"$read" && break
        sleep 0.25
    done
    import -window root "$shots/${lang%%.*}-main.png" 2>/dev/null || true
    local want
    for want in "$@"; do
        grep -qxF "$want" <<<"$(cut -f2- <<<"$read")" || fail "$lang: the screen reader does not read '$want'; it reads:"$'\n'"$read"
    done
    grep -qx "column	0	$monday" <<<"$read" || fail "$lang: the week does not begin on $monday:"$'\n'"$(grep '^column' <<<"$read")"
    echo "l10n-journey: $lang: main window read in the language, the week begins on $monday"
    stop "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    # Saved at the close: the bytes of the English file, whatever the language.
    cmp -s "$file" "$work/written-in-english.km2" || fail "$lang: the reminder file written differs from the one written in English"
}

journey de_DE.UTF-8 "Kestrelmark – Persönliche Erinnerungssoftware" "Montag" \
    "Neu" "Einträge" "Heute" "Nächste Erinnerungen" "Monat" "Jahr" "Kalender"
journey fr_FR.UTF-8 "Kestrelmark – Logiciel de rappels personnels" "lundi" \
    "Nouveau" "Rappels" "Aujourd’hui" "Prochains rappels" "Mois" "Année" "Calendrier"

help="$(LANG=de_DE.UTF-8 "$cli" --help)"
grep -q '^Aufruf: kestrelmark-cli BEFEHL' <<<"$help" || fail "kestrelmark-cli --help is not in German:"$'\n'"$help"
grep -q 'eine Erinnerung zu einer Erinnerungsdatei hinzufügen' <<<"$help" || fail "the commands' summaries are not in German:"$'\n'"$help"
LANG=fr_FR.UTF-8 "$cli" day --help | grep -q '^Utilisation.* kestrelmark-cli day FILE' || fail "kestrelmark-cli day --help is not in French"
echo "l10n-journey: kestrelmark-cli speaks German and French"
echo "l10n-journey: passed"
