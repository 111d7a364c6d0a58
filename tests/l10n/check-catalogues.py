#!/usr/bin/env python3
"""Fails when a text the user sees is not in the catalogues, or a shipped
language does not translate it properly.

    check-catalogues.py LUPDATE SOURCE_ROOT SOURCES_LIST TS...

1. lupdate, run over the sources into copies of the committed catalogues,
   must find nothing new and nothing gone: a text marked but not in the
   catalogues, or a catalogue entry whose text left the sources.
2. Every entry of every catalogue is translated: not unfinished, the
   language's number of plural forms, each one with the placeholders of the
   source (%1, %n ...) and at most one mnemonic mark.
3. No text is left unmarked where the widgets and message boxes take it:
   a string literal handed straight to a text-setting call.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "it": 2, "pt": 2, "nl": 2, "pl": 3}

# Calls that put a text in front of the user, with the text as the first
# argument. A literal there (QStringLiteral("Words"), "Words") is unmarked.
SHOWN_CALLS = r"(?:setText|setWindowTitle|setToolTip|setAccessibleName|setPlaceholderText|addAction|setHeaderLabels|" \
              r"CMessageBox::Show|new QPushButton|new QLabel|new QCheckBox|new QRadioButton|new QGroupBox|addRow)"
UNMARKED = re.compile(SHOWN_CALLS + r"\(\s*\{?\s*(?:QStringLiteral\(|QString::fromLatin1\(|QLatin1String\()?\s*\"([^\"]*[A-Za-z]{2}[^\"]*)\"")
# Shown as they stand: the program's name, the title of the calendar (a
# child window, never shown as one) and the technical texts of the
# picture code that the program has always shown untranslated.
AS_THEY_STAND = {"Kestrelmark", "CustomCanvas", "darkMap is NULL.", "write error", "This filter supports only 24-bit bitmaps.",
                 "FindResource failed!", "LoadResource failed!", "LockResource failed!",
                 "LoadDIBFromResouce failed!", "CreatePalette failed!"}
WIDGET_FOLDERS = ("app", "calendar", "dialogs", "graphics", "notify", "print")


def messages(path):
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            yield name, m


def key(name, m):
    return (name, m.findtext("source"), m.findtext("comment") or "", m.get("numerus") == "yes")


def placeholders(text):
    return sorted(set(re.findall(r"%(?:L?\d+|n)", text or "")))


def mnemonics(text):
    return len(re.findall(r"&(?!&)", (text or "").replace("&&", "")))


def check_translations(path, problems):
    root = ET.parse(path).getroot()
    language = root.get("language", "")
    forms = PLURAL_FORMS.get(language.split("_")[0])
    for name, m in messages(path):
        source = m.findtext("source")
        where = f"{os.path.basename(path)}: {name}: {source!r}"
        t = m.find("translation")
        if t is None or t.get("type") in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{where}: not translated ({t.get('type') if t is not None else 'missing'})")
            continue
        texts = [f.text or "" for f in t.findall("numerusform")] if m.get("numerus") == "yes" else [t.text or ""]
        if m.get("numerus") == "yes" and forms and len(texts) != forms:
            problems.append(f"{where}: {len(texts)} plural forms, the language has {forms}")
        for text in texts:
            if not text.strip() and source.strip():
                problems.append(f"{where}: empty translation")
            want = placeholders(source)
            got = placeholders(text)
            if "%n" in want and m.get("numerus") == "yes":
                # A form for one may say the number in words.
                want, got = [p for p in want if p != "%n"], [p for p in got if p != "%n"]
            if want != got:
                problems.append(f"{where}: placeholders {got} instead of {want} in {text!r}")
            if mnemonics(text) > 1 or (mnemonics(source) == 1 and mnemonics(text) != 1):
                problems.append(f"{where}: mnemonic marks differ in {text!r}")


def check_up_to_date(lupdate, sources_list, catalogues, problems):
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in catalogues:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copy(ts, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, "-locations", "none", "-no-obsolete", "-silent", "@" + sources_list, "-ts"] + copies,
                             capture_output=True, text=True)
        if run.returncode != 0:
            problems.append("lupdate failed: " + run.stderr.strip())
            return
        for ts, copy in zip(catalogues, copies):
            committed = {key(n, m) for n, m in messages(ts)}
            scanned = {key(n, m) for n, m in messages(copy)}
            for k in sorted(scanned - committed):
                problems.append(f"{os.path.basename(ts)}: {k[0]}: {k[1]!r} is marked in the sources but not in the "
                                f"catalogue (run 'ninja update_translations' and translate it)")
            for k in sorted(committed - scanned):
                problems.append(f"{os.path.basename(ts)}: {k[0]}: {k[1]!r} is no longer in the sources")


def check_marked(root, problems):
    for folder in WIDGET_FOLDERS:
        for dirpath, _, files in os.walk(os.path.join(root, folder)):
            for f in files:
                if not f.endswith(".cpp"):
                    continue
                path = os.path.join(dirpath, f)
                with open(path, encoding="utf-8") as text:
                    for number, line in enumerate(text, 1):
                        for found in UNMARKED.finditer(line):
                            if found.group(1) not in AS_THEY_STAND:
                                problems.append(f"{os.path.relpath(path, root)}:{number}: {found.group(1)!r} is shown "
                                                f"without tr()")


def main():
    lupdate, root, sources_list, catalogues = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    problems = []
    check_up_to_date(lupdate, sources_list, catalogues, problems)
    for ts in catalogues:
        check_translations(ts, problems)
    check_marked(root, problems)
    for p in problems:
        print(p)
    print(f"{len(catalogues)} catalogues checked: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
